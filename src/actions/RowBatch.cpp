#include "actions/RowBatch.h"

namespace quorvex {

namespace {

// The problem a failed item of the batch is told as.
BatchProblem ProblemOf(BatchAction action, ActionFailure failure)
{
    if (failure == ActionFailure::DamagedEntry)
        return BatchProblem::DamagedEntry;
    return action == BatchAction::RestoreFromTrash ? BatchProblem::RestoreFailed
                                                   : BatchProblem::DeleteFailed;
}

} // namespace

std::vector<ActionOutcome> RunRowBatch(const ActionPlan& plan, TrashList& trash, BatchAction action,
                                       const BatchQuestion& ask, const BatchNotice& notify,
                                       const TrashRowDone& done)
{
    PlanRunSettings settings{silentObserver(), {}, {}};
    settings.ownTrash = &trash;
    settings.askEach = [&](const PlannedAction& item) {
        return ask({action, item.path, item.folder});
    };
    settings.told = [&](std::size_t index, const ActionOutcome& outcome) {
        const PlannedAction& item = plan.items[index];
        if (!outcome.attributeFailure.empty())
            notify({BatchProblem::SystemReason, item.path, item.folder, outcome.attributeFailure});
        if (outcome.failed())
            notify(
                {ProblemOf(action, outcome.failure), item.path, item.folder,
                 outcome.failure == ActionFailure::DamagedEntry ? outcome.detail : std::string()});
        if (outcome.done)
            done(item.row);
    };
    return RunActionPlan(plan, settings);
}

ActionPlan PlanTrashEntries(const std::vector<std::string>& rows,
                            const std::vector<std::size_t>& selected, ActionKind kind)
{
    ActionPlan plan;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        PlannedAction& item = plan.items.emplace_back();
        item.kind = kind;
        item.path = rows.at(*row);
        item.folder = IsFolderEntryPath(item.path);
        item.row = *row;
    }
    return plan;
}

void RestoreTrashItems(TrashList& trash, const ActionPlan& plan, const BatchQuestion& ask,
                       const BatchNotice& notify, const TrashRowDone& done)
{
    RunRowBatch(plan, trash, BatchAction::RestoreFromTrash, ask, notify, done);
}

void PurgeTrashItems(TrashList& trash, const ActionPlan& plan, const BatchQuestion& ask,
                     const TrashRowDone& done)
{
    // Forgetting an entry cannot fail: nothing to tell.
    RunRowBatch(
        plan, trash, BatchAction::PurgeFromTrash, ask, [](const BatchNote&) {}, done);
}

} // namespace quorvex
