#pragma once
// Restoring and purging trash entries: one entry at a time, and the page's batches
// over the selected rows (from the last row to the first) with their questions.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/BatchQuestion.h"
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

// Told about each row whose entry has just left the trash list, so that the page can
// drop the row at once. Rows come from the last to the first, so a row dropped never
// moves one still to come.
using TrashRowDone = std::function<void(std::size_t row)>;

// `rows` are the stored paths shown on the trash page, `selected` the indices of the
// selected rows in ascending order.
void RestoreTrashItems(TrashList& trash, const std::vector<std::string>& rows,
                       const std::vector<std::size_t>& selected, const BatchQuestion& ask,
                       const BatchNotice& notify, const TrashRowDone& done);
void PurgeTrashItems(TrashList& trash, const std::vector<std::string>& rows,
                     const std::vector<std::size_t>& selected, const BatchQuestion& ask,
                     const TrashRowDone& done);

} // namespace quorvex
