#pragma once
// A plan as a table, one row per item: action word, path, kept file, the bytes it
// frees (BytesFreedByItems, plain digits) and, for a move or copy, where the file
// goes; then "#freed" with the bytes of all rows. A plan of copies gives the bytes
// each item writes instead, summed as "#copied". The command line prints it for a dry run, and
// prints the rows of the items done after a run.

#include <cstdint>
#include <vector>

#include "actions/ActionPlan.h"
#include "actions/ActionRun.h"
#include "common/ResultWriter.h"

namespace quorvex {

// `freed` is BytesFreedByItems of the plan, taken before it was carried out (for
// copies CopiedBytes).
ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& freed);
// Only the items whose outcome is done (and changed something).
ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& freed,
                       const std::vector<ActionOutcome>& outcomes);

} // namespace quorvex
