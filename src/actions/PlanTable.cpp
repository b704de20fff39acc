#include "actions/PlanTable.h"

#include <string>

namespace quorvex {

namespace {

template <typename Take> ResultWriter TableOf(const ActionPlan& plan, Take take)
{
    ResultWriter table({"action", "path", "kept", "bytes", "to"});
    std::uint64_t freed = 0;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        const PlannedAction& item = plan.items[i];
        if (!take(i))
            continue;
        const std::uint64_t bytes = item.listed ? item.listed->size : 0;
        freed += bytes;
        table.addRow({std::string(ActionWord(item.kind)), item.path, item.kept,
                      std::to_string(bytes), item.destination});
    }
    table.addExtra("#freed", {std::to_string(freed)});
    return table;
}

} // namespace

ResultWriter PlanTable(const ActionPlan& plan)
{
    return TableOf(plan, [](std::size_t) { return true; });
}

ResultWriter PlanTable(const ActionPlan& plan, const std::vector<ActionOutcome>& outcomes)
{
    return TableOf(plan, [&](std::size_t i) {
        return i < outcomes.size() && outcomes[i].done && !outcomes[i].alreadyLinked;
    });
}

} // namespace quorvex
