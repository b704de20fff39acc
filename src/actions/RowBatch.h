#pragma once
// The batches over a page's selected rows that change the program's own trash list
// (the empty items' deletion, the trash page's restore and purge): a plan whose items
// are asked about one by one, from the last selected row to the first, each problem
// told as it happens and each row done reported at once.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "actions/ActionRun.h"
#include "common/BatchQuestion.h"
#include "trash/TrashStore.h"

namespace quorvex {

// Told about each row whose item has just been done, so that the page can drop the
// row at once. Rows come from the last to the first, so a row dropped never moves one
// still to come.
using TrashRowDone = std::function<void(std::size_t row)>;

// Carries out `plan` on `trash`, asking `ask` about each item as `action`.
std::vector<ActionOutcome> RunRowBatch(const ActionPlan& plan, TrashList& trash, BatchAction action,
                                       const BatchQuestion& ask, const BatchNotice& notify,
                                       const TrashRowDone& done);

// `kind` (Restore or Purge) for the selected rows of the trash page: `rows` are the
// stored paths shown, `selected` the indices of the selected rows in ascending order.
ActionPlan PlanTrashEntries(const std::vector<std::string>& rows,
                            const std::vector<std::size_t>& selected, ActionKind kind);

// Carry out a plan of PlanTrashEntries.
void RestoreTrashItems(TrashList& trash, const ActionPlan& plan, const BatchQuestion& ask,
                       const BatchNotice& notify, const TrashRowDone& done);
void PurgeTrashItems(TrashList& trash, const ActionPlan& plan, const BatchQuestion& ask,
                     const TrashRowDone& done);

} // namespace quorvex
