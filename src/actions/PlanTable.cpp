#include "actions/PlanTable.h"

namespace quorvex {

namespace {

// A plan of copies sums what it writes, others what they free.
bool IsCopyPlan(const ActionPlan& plan)
{
    return !plan.items.empty() && IsCopy(plan.items.front().kind);
}

// `take` says whether row i is shown.
template <typename Take>
ResultWriter TableOf(const ActionPlan& plan, const std::vector<std::uint64_t>& bytes, Take take)
{
    ResultWriter table(std::vector<std::string>(kPlanTableFields.begin(), kPlanTableFields.end()));
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        if (!take(i))
            continue;
        const std::uint64_t itemBytes = i < bytes.size() ? bytes[i] : 0;
        total += itemBytes;
        table.addRow(PlanRowFields(plan.items[i], itemBytes));
    }
    table.addExtra(std::string(PlanTotalKey(plan)), {std::to_string(total)});
    return table;
}

} // namespace

std::vector<std::uint64_t> PlanRowBytes(const ActionPlan& plan)
{
    if (!IsCopyPlan(plan))
        return BytesFreedByItems(plan);
    std::vector<std::uint64_t> bytes;
    bytes.reserve(plan.items.size());
    for (const PlannedAction& item : plan.items)
        bytes.push_back(item.listed ? item.listed->size : 0);
    return bytes;
}

std::string_view PlanTotalKey(const ActionPlan& plan)
{
    return IsCopyPlan(plan) ? "#copied" : "#freed";
}

std::vector<std::string> PlanRowFields(const PlannedAction& item, std::uint64_t bytes)
{
    // A copy's replaced file that stays beside it is what it keeps.
    const std::string& kept = item.kept.empty() ? item.versionedAs : item.kept;
    return {std::string(ActionWord(item.kind)), item.path, kept, std::to_string(bytes),
            item.destination};
}

ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& bytes)
{
    return TableOf(plan, bytes, [](std::size_t) { return true; });
}

ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& bytes,
                       const std::vector<ActionOutcome>& outcomes)
{
    return TableOf(plan, bytes, [&](std::size_t i) {
        return i < outcomes.size() && outcomes[i].done && !outcomes[i].alreadyLinked;
    });
}

} // namespace quorvex
