#pragma once
// A plan as a table, one row per item: action word, path, kept file, bytes (the
// listed size, plain digits) and, for a move, where the file goes; then "#freed" with
// the bytes of all rows. The command line prints it for a dry run, and prints the
// rows of the items done after a run.

#include <vector>

#include "actions/ActionPlan.h"
#include "actions/ActionRun.h"
#include "common/ResultWriter.h"

namespace quorvex {

ResultWriter PlanTable(const ActionPlan& plan);
// Only the items whose outcome is done.
ResultWriter PlanTable(const ActionPlan& plan, const std::vector<ActionOutcome>& outcomes);

} // namespace quorvex
