#pragma once
// The delete flow of the empty-item page without its widgets: a plan of the selected
// records, from the last to the first, each asked about, deleted from disk for good
// and recorded in the trash list (actions/EmptyItemActions.h). The page supplies the
// question and message boxes and then removes the returned rows. The command line
// acts on a search's items through the same plan.

#include <cstdint>
#include <string>
#include <vector>

#include "actions/ActionPlan.h"
#include "common/BatchQuestion.h"
#include "empty/EmptyItemRecord.h"
#include "trash/TrashStore.h"

namespace quorvex {

// `kind` (TrashEmpty or DeleteEmpty) for the selected rows (ascending indices into
// `list`), from the last to the first; rows not as listed (DiskCheck) are left out. An
// item is a folder unless a file is at its path now.
ActionPlan PlanEmptyItemDeletion(const EmptyItemList& list,
                                 const std::vector<std::size_t>& selected, ActionKind kind);

// The whole flow over a plan of PlanEmptyItemDeletion. Returns the deleted rows in
// descending order, ready for RemoveEmptyItemRecords.
std::vector<std::size_t> DeleteEmptyItems(const ActionPlan& plan, TrashList& trash,
                                          const BatchQuestion& ask, const BatchNotice& notify);

// Removes the records of the rows (descending) and trims the list's capacity.
void RemoveEmptyItemRecords(EmptyItemList& list, const std::vector<std::size_t>& descendingRows);

} // namespace quorvex
