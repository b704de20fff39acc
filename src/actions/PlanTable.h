#pragma once
// A plan as a table, one row per item: action word, path, kept file, the bytes it
// frees (BytesFreedByItems, plain digits) and, for a move or copy, where the file
// goes; then "#freed" with the bytes of all rows. A plan of copies gives the bytes
// each item writes instead, summed as "#copied". The command line prints it for a dry
// run, and prints the rows of the items done after a run; the desktop program shows
// the same rows before it runs a plan.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "actions/ActionPlan.h"
#include "actions/ActionRun.h"
#include "common/ResultWriter.h"

namespace quorvex {

// The fields of a row, in order.
inline constexpr std::array<std::string_view, 5> kPlanTableFields = {"action", "path", "kept",
                                                                     "bytes", "to"};

// The bytes of each item's row, taken before the plan is carried out: what a copy
// writes (its listed size), for the other kinds what the item frees.
std::vector<std::uint64_t> PlanRowBytes(const ActionPlan& plan);
// "#copied" for a plan of copies, otherwise "#freed".
std::string_view PlanTotalKey(const ActionPlan& plan);
// The fields of one item's row; `bytes` is its PlanRowBytes.
std::vector<std::string> PlanRowFields(const PlannedAction& item, std::uint64_t bytes);

// `bytes` is PlanRowBytes of the plan.
ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& bytes);
// Only the items whose outcome is done (and changed something).
ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& bytes,
                       const std::vector<ActionOutcome>& outcomes);

} // namespace quorvex
