#include "actions/PlanTable.h"

#include <string>

namespace quorvex {

namespace {

// `bytesOf` gives each row's freed bytes, `take` whether the row is shown.
template <typename Take, typename Bytes>
ResultWriter TableOf(const ActionPlan& plan, Take take, Bytes bytesOf)
{
    ResultWriter table({"action", "path", "kept", "bytes", "to"});
    std::uint64_t freed = 0;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        const PlannedAction& item = plan.items[i];
        if (!take(i))
            continue;
        const std::uint64_t bytes = bytesOf(item);
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
    // Before the run: what acting would free as the disk is now.
    return TableOf(
        plan, [](std::size_t) { return true; }, BytesFreedBy);
}

ResultWriter PlanTable(const ActionPlan& plan, const std::vector<ActionOutcome>& outcomes)
{
    // After the run: the items done, each freeing the size it was listed with.
    return TableOf(
        plan,
        [&](std::size_t i) {
            return i < outcomes.size() && outcomes[i].done && !outcomes[i].alreadyLinked;
        },
        [](const PlannedAction& item) { return item.listed ? item.listed->size : 0; });
}

} // namespace quorvex
