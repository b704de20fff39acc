#pragma once
// Restoring a trash entry: its empty file or folder made again. The page's batches
// over its rows are plans (actions/RowBatch.h).

#include <string>

#include "trash/TrashStore.h"

namespace quorvex {

enum class RestoreResult
{
    Restored, // the item exists again with its attributes; the entry may go
    Failed,   // the item could not be made
    Damaged,  // the stored value is not a number; nothing was changed, the batch ends
};

struct RestoreOutcome
{
    RestoreResult result = RestoreResult::Failed;
    std::string damagedValue; // Damaged: the stored text that is no number
};

// Recreates the empty folder (with its parents) or the empty file (with its missing
// folders) of the entry named `path`, then gives it the stored attributes. A file is
// created only where nothing exists, so an existing file is never truncated. The
// entry itself is left in the list.
RestoreOutcome RestoreTrashEntry(const TrashList& trash, const std::string& path);

} // namespace quorvex
