#include "actions/ActionRun.h"

#include <algorithm>
#include <map>

#include "actions/CopyItems.h"
#include "actions/EmptyItemActions.h"
#include "actions/ItemChecks.h"
#include "actions/ReplaceOutcomes.h"
#include "actions/TrashItems.h"
#include "platform/FailureReason.h"
#include "platform/FileReplace.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

// One run: what its items share.
class PlanRun
{
public:
    PlanRun(const PlanRunSettings& settings, std::vector<ActionOutcome>& outcomes)
        : settings_(settings), outcomes_(outcomes), journal_(settings.journalFolder),
          copies_(journal_, comparison_, settings.observer, outcomes)
    {
    }

    // What the run leaves until its end: the last copies, the times of the folders it
    // made.
    void finish() { copies_.finish(); }

    // Acts on the item at `index` of the plan, its outcome to the run's outcomes (a
    // copy's once its batch is placed). False when a cancel stopped it before anything
    // changed.
    bool run(const PlannedAction& item, std::size_t index)
    {
        if (IsCopy(item.kind))
            return copies_.copy(item, index);
        if (!copies_.place()) // what comes after the copies finds them in place
            return false;
        std::optional<ActionOutcome> outcome = act(item);
        if (outcome)
            outcomes_[index] = std::move(*outcome);
        return outcome.has_value();
    }

private:
    // The outcome of an item that is not a copy; nullopt when a cancel stopped it
    // before anything changed.
    std::optional<ActionOutcome> act(const PlannedAction& item)
    {
        switch (item.kind) {
        case ActionKind::Trash:
            if (trash_.wentBefore(item.path))
                return Done();
            return checkedThen(item, [&](const CheckedItem&) -> std::optional<ActionOutcome> {
                return trash_.trash(item, settings_.deleteForGood);
            });
        case ActionKind::Move:
            return checkedThen(item,
                               [&](const CheckedItem& checked) { return move(item, checked); });
        case ActionKind::HardLink:
            return checkedThen(item, [&](const CheckedItem& checked) {
                return replace(item, checked, platform::ReplaceKind::HardLink);
            });
        case ActionKind::SymbolicLink:
            return checkedThen(item, [&](const CheckedItem& checked) {
                return replace(item, checked, platform::ReplaceKind::SymbolicLink);
            });
        case ActionKind::Reflink:
            return checkedThen(item, [&](const CheckedItem& checked) {
                return replace(item, checked, platform::ReplaceKind::Clone);
            });
        case ActionKind::Copy:
        case ActionKind::Replace:
            break; // placed by the copy session, a batch at a time (run)
        case ActionKind::TrashEmpty:
            return withOwnTrash([&](TrashList& trash) { return DeleteEmptyItem(item, &trash); });
        case ActionKind::DeleteEmpty:
            return DeleteEmptyItem(item, nullptr);
        case ActionKind::Restore:
            return withOwnTrash([&](TrashList& trash) { return RestoreEntry(item, trash); });
        case ActionKind::Purge:
            return withOwnTrash([&](TrashList& trash) { return PurgeEntry(item, trash); });
        }
        return Failed(ActionFailure::System);
    }

    // `act` once the item has passed its checks (ItemChecks.h).
    template <typename Act>
    std::optional<ActionOutcome> checkedThen(const PlannedAction& item, Act act)
    {
        CheckedItem checked;
        std::string detail;
        if (const ActionFailure failure = CheckItem(item, checked, detail);
            failure != ActionFailure::None)
            return Failed(failure, std::move(detail));
        return act(checked);
    }

    template <typename Act> std::optional<ActionOutcome> withOwnTrash(Act act)
    {
        if (!settings_.ownTrash)
            return Failed(ActionFailure::System);
        return act(*settings_.ownTrash);
    }

    std::optional<ActionOutcome> move(const PlannedAction& item, const CheckedItem& checked)
    {
        ActionOutcome outcome = FromReplaceResult(
            platform::MoveFileTo(item.path, checked.entry, item.destination, journal_));
        if (outcome.failure == ActionFailure::TargetExists)
            return finishMove(item, checked);
        if (outcome.done)
            outcome.placedAt = item.destination;
        return outcome;
    }

    // A destination that holds the file already, as a move stopped after its copy
    // landed leaves it: another file of equal size, time and bytes. The move is then
    // finished by removing the original, while it is still the file compared.
    std::optional<ActionOutcome> finishMove(const PlannedAction& item, const CheckedItem& checked)
    {
        const std::optional<platform::FileIdentity> there =
            platform::IdentifyEntry(item.destination);
        if (!there || !there->regular || there->sameFile(checked.entry) ||
            there->size != checked.entry.size || !(there->lastWrite == checked.entry.lastWrite))
            return Failed(ActionFailure::TargetExists);
        std::string detail;
        switch (comparison_.compare(item.path, item.destination, settings_.observer, detail)) {
        case Comparison::Cancelled:
            return std::nullopt;
        case Comparison::Equal:
            break;
        default:
            return Failed(ActionFailure::TargetExists);
        }
        ActionOutcome outcome =
            FromReplaceResult(platform::RemoveIfStillExpected(item.path, checked.entry));
        if (outcome.done)
            outcome.placedAt = item.destination;
        return outcome;
    }

    std::optional<ActionOutcome> replace(const PlannedAction& item, const CheckedItem& checked,
                                         platform::ReplaceKind replaceKind)
    {
        if (checked.alreadyLinked && item.kind != ActionKind::Reflink) {
            ActionOutcome outcome;
            outcome.done = outcome.alreadyLinked = true;
            return outcome;
        }
        // A file system that cannot clone is asked once, not after reading every file.
        const auto noClone = noClone_.find(checked.kept.device);
        if (item.kind == ActionKind::Reflink && noClone != noClone_.end())
            return Failed(ActionFailure::NoClone, noClone->second);
        std::string detail;
        const Comparison comparison =
            comparison_.compare(item.path, checked.keptPath, settings_.observer, detail);
        settings_.observer.addWorkDone(checked.entry.size);
        switch (comparison) {
        case Comparison::Cancelled:
            return std::nullopt;
        case Comparison::Unreadable:
            return Failed(ActionFailure::Unreadable, std::move(detail));
        case Comparison::Different:
            return Failed(ActionFailure::ContentDiffers);
        case Comparison::Equal:
            break;
        }
        ActionOutcome outcome = FromReplaceResult(platform::ReplaceByKeptFile(
            item.path, checked.entry, checked.keptPath, checked.kept, replaceKind, journal_));
        if (outcome.failure == ActionFailure::NoClone)
            noClone_.emplace(checked.kept.device, outcome.detail);
        return outcome;
    }

    const PlanRunSettings& settings_;
    std::vector<ActionOutcome>& outcomes_;
    platform::TempJournal journal_;
    TrashSession trash_;
    WholeFileComparison comparison_;
    CopySession copies_;
    // The file systems found unable to clone, with the system's reason.
    std::map<std::uint64_t, std::string> noClone_;
};

} // namespace

std::string ActionJournalFolder(const std::string& userDataDir)
{
    return platform::WithTrailingSeparator(userDataDir + "actions");
}

bool JournalWritable(const ActionPlan& plan, const std::string& journalFolder)
{
    const bool makesTemporaries = std::ranges::any_of(
        plan.items, [](const PlannedAction& item) { return TraitsOf(item.kind).makesTemporaries; });
    platform::TempJournal journal(journalFolder);
    return !makesTemporaries || journal.prepare();
}

std::vector<ActionOutcome> RunActionPlan(const ActionPlan& plan, const PlanRunSettings& settings)
{
    RunObserver& observer = settings.observer;
    std::uint64_t compared = 0;
    for (const PlannedAction& item : plan.items)
        if ((ReplacesContents(item.kind) || IsCopy(item.kind)) && item.listed)
            compared += item.listed->size;
    observer.setOverallMax(plan.items.size());
    observer.setOverallPosition(0);
    observer.setWorkTotal(compared);

    std::vector<ActionOutcome> outcomes(plan.items.size());
    std::vector<std::size_t> copiesRun; // told once their batches are placed
    PlanRun run(settings, outcomes);
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        observer.pumpMessages();
        if (observer.cancelRequested())
            break;
        const BatchDecision decision =
            settings.askEach ? settings.askEach(plan.items[i]) : BatchDecision::Proceed;
        if (decision == BatchDecision::Stop)
            break;
        if (decision == BatchDecision::Proceed) {
            if (!run.run(plan.items[i], i))
                break;
            if (IsCopy(plan.items[i].kind))
                copiesRun.push_back(i);
            else if (settings.told)
                settings.told(i, outcomes[i]);
            // The entries after a damaged one are not to be trusted either.
            if (outcomes[i].failure == ActionFailure::DamagedEntry)
                break;
        }
        observer.stepOverall(1);
    }
    run.finish();
    if (settings.told)
        for (const std::size_t i : copiesRun)
            settings.told(i, outcomes[i]);
    return outcomes;
}

} // namespace quorvex
