#pragma once
// The result of the empty-item search: one record per zero-size file or empty folder,
// the row behind the page's list.

#include <cstddef>
#include <string>
#include <vector>

#include "common/DiskCheck.h"

namespace quorvex {

struct EmptyItemRecord
{
    std::string Name;          // a file's name; a folder's last path component
    std::string TypeName;      // filled by the icon lookup when the row is first shown
    std::string AttributeText; // FormatAttributeText of the attribute word
    std::string Path;          // a file's full path; a folder's path without trailing '/'
    int IconIndex = -1;        // -1 until the icon has been looked up
    int OverlayIndex = -1;     // -1 = no overlay
    DiskCheck check = DiskCheck::AsListed; // of a row opened from a saved list
};

// Records by value, in walk order until sorted.
using EmptyItemList = std::vector<EmptyItemRecord>;

// The order after a search: by Name, ascending, with the locale's text comparison.
// Records with equal names keep their walk order.
void SortEmptyItemsByName(EmptyItemList& list);

} // namespace quorvex
