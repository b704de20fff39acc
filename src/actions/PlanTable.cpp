#include "actions/PlanTable.h"

#include <string>

namespace quorvex {

namespace {

// `take` says whether row i is shown.
template <typename Take>
ResultWriter TableOf(const ActionPlan& plan, const std::vector<std::uint64_t>& freed, Take take)
{
    ResultWriter table({"action", "path", "kept", "bytes", "to"});
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        const PlannedAction& item = plan.items[i];
        if (!take(i))
            continue;
        const std::uint64_t bytes = i < freed.size() ? freed[i] : 0;
        total += bytes;
        // A copy's replaced file that stays beside it is what it keeps.
        const std::string& kept = item.kept.empty() ? item.versionedAs : item.kept;
        table.addRow({std::string(ActionWord(item.kind)), item.path, kept, std::to_string(bytes),
                      item.destination});
    }
    // A plan of copies sums what it writes, others what they free.
    const bool copies = !plan.items.empty() && IsCopy(plan.items.front().kind);
    table.addExtra(copies ? "#copied" : "#freed", {std::to_string(total)});
    return table;
}

} // namespace

ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& freed)
{
    return TableOf(plan, freed, [](std::size_t) { return true; });
}

ResultWriter PlanTable(const ActionPlan& plan, const std::vector<std::uint64_t>& freed,
                       const std::vector<ActionOutcome>& outcomes)
{
    return TableOf(plan, freed, [&](std::size_t i) {
        return i < outcomes.size() && outcomes[i].done && !outcomes[i].alreadyLinked;
    });
}

} // namespace quorvex
