#pragma once
// The delete flow of the empty-item page without its widgets: for each selected
// record, from the last to the first, ask, delete from disk for good, and record the
// item in the trash list. The page supplies the question and message boxes and then
// removes the returned rows.
//
// A file is deleted only while it is still a regular file of size 0, a folder only
// by removing an empty directory; anything else fails with the usual message and its
// row stays.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/BatchQuestion.h"
#include "empty/EmptyItemRecord.h"
#include "trash/TrashStore.h"

namespace quorvex {

// What the flow learns about a row before asking.
struct EmptyItemTarget
{
    std::string path;
    std::int32_t attributes = -1; // the current attribute word; -1 when it cannot be read
    bool isFile = false;          // something that is not a folder exists at the path
};

EmptyItemTarget InspectEmptyItem(const std::string& path);

// Clears the read-only bit of the path. Returns the system's error text when the
// attributes cannot be read or written; the deletion goes on either way.
std::optional<std::string> ClearReadOnly(const std::string& path);

// Deletes one item and, on success, appends its trash entry (a folder's path with
// trailing '/'). Failures are told through `notify`; returns whether it was deleted.
bool DeleteEmptyItem(const EmptyItemTarget& target, TrashList& trash, const BatchNotice& notify);

// The whole flow over the selected rows (ascending indices into `list`); rows not as
// listed (DiskCheck) are left as they are, unasked. Returns the deleted rows in
// descending order, ready for RemoveEmptyItemRecords.
std::vector<std::size_t> DeleteEmptyItems(const EmptyItemList& list,
                                          const std::vector<std::size_t>& selected,
                                          TrashList& trash, const BatchQuestion& ask,
                                          const BatchNotice& notify);

// Removes the records of the rows (descending) and trims the list's capacity.
void RemoveEmptyItemRecords(EmptyItemList& list, const std::vector<std::size_t>& descendingRows);

} // namespace quorvex
