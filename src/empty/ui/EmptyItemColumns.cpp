#include "empty/ui/EmptyItemColumns.h"

#include <algorithm>
#include <cstring>

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
    const Field field = kFields[std::clamp(column, 0, 3)];
    std::sort(
        list.begin(), list.end(),
        [field, ascending](const quorvex::EmptyItemRecord& a, const quorvex::EmptyItemRecord& b) {
            const int order = std::strcoll((a.*field).c_str(), (b.*field).c_str());
            return ascending ? order < 0 : order > 0;
        });
}
