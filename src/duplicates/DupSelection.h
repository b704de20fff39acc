#pragma once
// The selection helpers of the duplicate list: which rows of a duplicate result to
// select so that deleting them leaves the wanted copy of every group. Groups are
// told apart by their labels, so they may be spread over the list after a sort.
//
// Whatever a helper picks, the selection never holds every row of a group: where
// it would (a group that lost its "基準" row, or whose rows all lie in the chosen
// folder), the group's first row in list order stays unselected, so a delete that
// follows can never remove the last copy. Rows without a group are never selected.

#include "duplicates/DupRecord.h"

#include <string_view>
#include <vector>

namespace quorvex {

// Every row except the "基準" row of its group.
std::vector<std::size_t> SelectAllButReference(const DupList& list);
// Every row except the newest (or oldest) of its group; rows whose times agree to the
// second are told apart by their files' times on the disk, to the nanosecond; of rows
// with the same time, the earlier row in the list is kept.
std::vector<std::size_t> SelectAllButNewest(const DupList& list);
std::vector<std::size_t> SelectAllButOldest(const DupList& list);
// Every row other than a "基準" row whose folder is `folder` (ending in '/') or lies
// below it.
std::vector<std::size_t> SelectDuplicatesInFolder(const DupList& list, std::string_view folder);
// Of every group with a row whose folder is `folder` (ending in '/') or lies below it,
// the rows outside it: the folder is a reference whose files stay.
std::vector<std::size_t> SelectOutsideFolder(const DupList& list, std::string_view folder);

} // namespace quorvex
