#include "empty/ui/EmptyItemColumns.h"

#include <algorithm>

#include "common/TextRanks.h"

namespace {

using Field = std::string quorvex::EmptyItemRecord::*;

constexpr Field kFields[] = {&quorvex::EmptyItemRecord::Name, &quorvex::EmptyItemRecord::TypeName,
                             &quorvex::EmptyItemRecord::AttributeText,
                             &quorvex::EmptyItemRecord::Path};

} // namespace

const std::string& EmptyItemField(const quorvex::EmptyItemRecord& record, int column)
{
    return record.*kFields[std::clamp(column, 0, 3)];
}

void SortEmptyItems(quorvex::EmptyItemList& list, int column, bool ascending)
{
    const auto textOf = [&list, column](std::size_t row) -> std::string_view {
        return EmptyItemField(list[row], column);
    };
    quorvex::ApplyRowOrder(list, quorvex::OrderRowsByText(list.size(), textOf, ascending));
}
