#pragma once
// The kinds of action on empty items and on the program's own trash list, one item at
// a time: an empty file or folder deleted (and recorded in the trash list, so that it
// can be made again), a trash entry made again at its place, a trash entry forgotten.
//
// A file is deleted only while it is still a regular file of size 0, a folder only by
// removing an empty directory; anything else fails and stays.

#include <cstdint>
#include <optional>
#include <string>

#include "actions/ActionRun.h"
#include "trash/TrashStore.h"

namespace quorvex {

// What the deletion learns about an item right before it acts.
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

// TrashEmpty and DeleteEmpty: deletes the item and, when `record` is given, appends
// its trash entry (a folder's path with a trailing separator).
ActionOutcome DeleteEmptyItem(const PlannedAction& item, TrashList* record);

// Restore: makes the entry's item again (RestoreTrashEntry) and drops the entry.
// A damaged entry changes nothing and fails with DamagedEntry.
ActionOutcome RestoreEntry(const PlannedAction& item, TrashList& trash);

// Purge: drops the entry; nothing on disk changes.
ActionOutcome PurgeEntry(const PlannedAction& item, TrashList& trash);

} // namespace quorvex
