#include "duplicates/DupActions.h"

#include <algorithm>
#include <unordered_map>

#include "duplicates/DupSelection.h"
#include "platform/DesktopTrash.h"
#include "platform/FileIdentity.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

ListedFile ListedOf(const TDupRecord& record)
{
    return {record.size, record.lastWrite};
}

// The deepest folder that holds all the searched folders (normal, ending in the
// separator): moved files keep their paths below it.
std::string CommonFolder(const std::vector<std::string>& folders)
{
    std::string common;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::string folder =
            platform::WithTrailingSeparator(platform::NormalPath(folders[i]));
        if (i == 0) {
            common = folder;
            continue;
        }
        std::size_t same = 0;
        while (same < common.size() && same < folder.size() && common[same] == folder[same])
            ++same;
        // Back to the end of the last whole folder name both share.
        while (same > 0 && !platform::IsSeparatorAt(common, same - 1))
            --same;
        common.resize(same);
    }
    return common;
}

// The chosen rows of each group with the row that stays, groups in the order of
// their first chosen row.
struct GroupChoice
{
    std::vector<std::size_t> acted;
    std::size_t kept = 0;
};

std::vector<GroupChoice> ChooseInGroups(const DupList& list, const std::vector<std::size_t>& rows,
                                        std::size_t& keptBack,
                                        std::vector<std::size_t>& notAsListed)
{
    std::vector<bool> chosen(list.size(), false);
    for (std::size_t row : rows)
        if (row < list.size())
            chosen[row] = true;
    // Every row of each group, in list order.
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> members;
    for (std::size_t row = 0; row < list.size(); ++row)
        if (list[row].group != 0)
            members[list[row].group].push_back(row);

    std::vector<GroupChoice> choices;
    std::unordered_map<std::uint32_t, std::size_t> slot;
    for (std::size_t row : rows) {
        if (row >= list.size() || list[row].group == 0 || slot.contains(list[row].group))
            continue;
        const std::vector<std::size_t>& group = members[list[row].group];
        const auto reference = std::ranges::find_if(
            group, [&](std::size_t r) { return list[r].content == kContentReference; });
        const auto firstLeft =
            std::ranges::find_if(group, [&](std::size_t r) { return !chosen[r]; });
        GroupChoice choice;
        if (reference != group.end() && !chosen[*reference])
            choice.kept = *reference;
        else if (firstLeft != group.end())
            choice.kept = *firstLeft;
        else
            choice.kept = reference != group.end() ? *reference : group.front();
        const bool keptAsListed = list[choice.kept].check == DiskCheck::AsListed;
        for (std::size_t r : group) {
            if (!chosen[r] || r == choice.kept)
                continue;
            if (keptAsListed && list[r].check == DiskCheck::AsListed)
                choice.acted.push_back(r);
            else
                notAsListed.push_back(r);
        }
        keptBack += chosen[choice.kept] ? 1 : 0;
        slot.emplace(list[row].group, choices.size());
        choices.push_back(std::move(choice));
    }
    return choices;
}

// Judges whether folders hold copies put aside: a desktop trash folder, or one below a
// move's destination (where each run would otherwise move the same files one level
// deeper). Folders are few beside files: each is judged once.
class AsideFolders
{
public:
    explicit AsideFolders(std::string_view moveFolder)
        : destination_(moveFolder.empty()
                           ? std::string()
                           : platform::WithTrailingSeparator(platform::CanonicalPath(moveFolder)))
    {
    }

    bool holds(const std::string& folder)
    {
        const auto [at, added] = judged_.try_emplace(folder, false);
        if (added) {
            const std::string canonical =
                platform::WithTrailingSeparator(platform::CanonicalPath(folder));
            at->second = platform::LiesInDesktopTrash(canonical) ||
                         (!destination_.empty() && canonical.starts_with(destination_));
        }
        return at->second;
    }

private:
    std::string destination_;
    std::unordered_map<std::string, bool> judged_;
};

} // namespace

std::vector<std::size_t> RowsToActOn(const DupList& list, KeepRule rule, std::string_view folder)
{
    switch (rule) {
    case KeepRule::Newest:
        return SelectAllButNewest(list);
    case KeepRule::Oldest:
        return SelectAllButOldest(list);
    case KeepRule::UnderFolder:
        return SelectOutsideFolder(list, folder);
    case KeepRule::Reference:
        break;
    }
    return SelectAllButReference(list);
}

void LeaveOutOfAction(DupList& list, std::string_view moveFolder)
{
    AsideFolders aside(moveFolder);
    std::vector<std::size_t> gone;
    std::unordered_map<std::uint32_t, std::size_t> left;
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::optional<platform::FileIdentity> entry =
            platform::IdentifyEntry(list.RecordPath(list[row]));
        if ((entry && entry->link) || aside.holds(list.folder(list[row])))
            gone.push_back(row);
        else
            ++left[list[row].group];
    }
    for (TDupRecord& record : list.records())
        if (left[record.group] < 2)
            record.group = 0;
    list.removeRows(std::move(gone));
    list.removeUngrouped();
}

InputRefusal ActionRefusal(ActionKind kind, int threshold)
{
    if (ReplacesContents(kind) && threshold < 100)
        return {RefusalReason::LinksNeedFullMatch, {}};
    return {};
}

InputRefusal ActionRefusal(ActionKind kind, const DupSearchScope& scope)
{
    if (ReplacesContents(kind) && scope.pictures)
        return {RefusalReason::LinksNeedSameBytes, {}};
    return ActionRefusal(kind, scope.threshold);
}

DupPlan PlanForRows(const DupList& list, const DupSearchScope& scope,
                    const std::vector<std::size_t>& rows, ActionKind kind,
                    std::string_view moveFolder)
{
    DupPlan result;
    result.refusal = ActionRefusal(kind, scope);
    if (result.refusal)
        return result;
    const std::string base = CommonFolder(scope.folders);
    // Normal paths on both sides, so that no ".." of the folders as given leads out of
    // the destination folder.
    const std::string destinationFolder =
        platform::WithTrailingSeparator(platform::NormalPath(moveFolder));
    const auto add = [&](std::size_t row, const std::string& kept,
                         const std::optional<ListedFile>& keptListed) {
        PlannedAction item;
        item.kind = kind;
        item.path = platform::AbsolutePath(list.RecordPath(list[row]));
        item.listed = ListedOf(list[row]);
        item.kept = kept;
        item.keptListed = keptListed;
        item.row = row;
        if (kind == ActionKind::Move) {
            const std::string normal = platform::NormalPath(item.path);
            item.destination =
                destinationFolder + (normal.starts_with(base) ? normal.substr(base.size())
                                                              : std::string(list.name(list[row])));
        }
        result.plan.items.push_back(std::move(item));
    };

    if (!scope.target.empty()) {
        // An identical-file result: every row matched the file searched for, which stays.
        const std::string kept = platform::AbsolutePath(scope.target);
        for (std::size_t row : rows) {
            if (row >= list.size())
                continue;
            if (platform::AbsolutePath(list.RecordPath(list[row])) == kept)
                ++result.keptBack;
            else if (list[row].check != DiskCheck::AsListed)
                result.notAsListed.push_back(row);
            else
                add(row, kept, std::nullopt);
        }
        return result;
    }
    for (const GroupChoice& choice :
         ChooseInGroups(list, rows, result.keptBack, result.notAsListed)) {
        const std::string kept = platform::AbsolutePath(list.RecordPath(list[choice.kept]));
        for (std::size_t row : choice.acted)
            add(row, kept, ListedOf(list[choice.kept]));
    }
    std::ranges::sort(result.notAsListed);
    return result;
}

DupPlan TrashPlanForRows(const DupList& list, const std::vector<std::size_t>& rows)
{
    DupPlan result;
    std::vector<bool> chosen(list.size(), false);
    for (std::size_t row : rows)
        if (row < list.size())
            chosen[row] = true;
    // The groups that keep a file on the disk that is not chosen; a copy in the desktop
    // trash is one the user threw away already.
    AsideFolders inTrash({});
    std::unordered_map<std::uint32_t, bool> keepsACopy;
    for (std::size_t row = 0; row < list.size(); ++row) {
        bool& keeps = keepsACopy[list[row].group];
        keeps = keeps || (!chosen[row] && platform::LookupEntry(list.RecordPath(list[row])) &&
                          !inTrash.holds(list.folder(list[row])));
    }
    std::unordered_map<std::uint32_t, bool> counted;
    for (std::size_t row = 0; row < list.size(); ++row) {
        if (!chosen[row])
            continue;
        if (list[row].check != DiskCheck::AsListed) { // a reopened list's row, changed since
            result.notAsListed.push_back(row);
            continue;
        }
        const std::uint32_t group = list[row].group;
        PlannedAction item;
        item.kind = ActionKind::Trash;
        item.path = platform::AbsolutePath(list.RecordPath(list[row]));
        item.listed = ListedOf(list[row]);
        item.row = row;
        item.lastCopy = group != 0 && !keepsACopy[group];
        if (item.lastCopy && !counted[group]) {
            counted[group] = true;
            ++result.lastCopyGroups;
        }
        result.plan.items.push_back(std::move(item));
    }
    return result;
}

void ApplyOutcomes(DupList& list, const ActionPlan& plan,
                   const std::vector<ActionOutcome>& outcomes)
{
    std::vector<std::size_t> gone;
    for (std::size_t i = 0; i < plan.items.size() && i < outcomes.size(); ++i) {
        const PlannedAction& item = plan.items[i];
        if (!outcomes[i].done || item.row >= list.size())
            continue;
        TDupRecord& record = list[item.row];
        switch (item.kind) {
        case ActionKind::Trash:
            gone.push_back(item.row);
            continue;
        case ActionKind::Move: {
            const std::size_t separator = platform::FindLastSeparator(outcomes[i].placedAt);
            list.relocate(item.row, outcomes[i].placedAt.substr(0, separator + 1));
            record.state = RowState::Moved;
            break;
        }
        case ActionKind::HardLink:
            record.state = RowState::HardLinked;
            break;
        case ActionKind::SymbolicLink:
            record.state = RowState::SymbolicLinked;
            break;
        case ActionKind::Reflink:
            record.state = RowState::Cloned;
            break;
        case ActionKind::Copy:
        case ActionKind::Replace:
        case ActionKind::TrashEmpty:
        case ActionKind::DeleteEmpty:
        case ActionKind::Restore:
        case ActionKind::Purge:
            continue; // not kinds of a duplicate list's plan
        }
        // The icon (a link's overlay) and the cells follow the file as it is now.
        record.IconIndex = -1;
        if (const std::optional<platform::DirEntry> now =
                platform::LookupEntry(list.RecordPath(record))) {
            record.size = now->size;
            record.lastWrite = now->lastWrite.seconds;
        }
    }
    list.removeRows(std::move(gone));
}

} // namespace quorvex
