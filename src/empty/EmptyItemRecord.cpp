#include "empty/EmptyItemRecord.h"

#include "common/TextRanks.h"

namespace quorvex {

void SortEmptyItemsByName(EmptyItemList& list)
{
    const auto nameOf = [&list](std::size_t row) -> std::string_view { return list[row].Name; };
    ApplyRowOrder(list, OrderRowsByText(list.size(), nameOf, true));
}

} // namespace quorvex
