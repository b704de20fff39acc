#include "empty/EmptyItemRecord.h"

#include <algorithm>

#include "platform/TextOrder.h"

namespace quorvex {

void SortEmptyItemsByName(EmptyItemList& list)
{
    std::stable_sort(list.begin(), list.end(),
                     [](const EmptyItemRecord& a, const EmptyItemRecord& b) {
                         return platform::CompareText(a.Name.c_str(), b.Name.c_str()) < 0;
                     });
}

std::string FormatItemCount(std::size_t count)
{
    return std::to_string(count) + " 個";
}

} // namespace quorvex
