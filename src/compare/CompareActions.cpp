#include "compare/CompareActions.h"

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>

#include "actions/VersionedName.h"
#include "compare/ComparisonEngine.h"
#include "platform/DosTime.h"
#include "platform/FileIdentity.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

using platform::FileIdentity;

std::string SidePath(const ComparisonList& list, const ComparisonRow& row,
                     const ComparisonScope& scope, bool sideB)
{
    return list.entryPath(row, sideB ? scope.rootB : scope.rootA, list.sideName(row, sideB));
}

std::string Joined(const std::string& folder, std::string_view name)
{
    return platform::WithTrailingSeparator(folder) + std::string(name);
}

std::optional<EntryFacts> FactsOf(const ComparisonScope& scope, const std::string& path)
{
    return scope.files ? GetFileFacts(path) : GetFolderEntryFacts(path);
}

// Size, time, attributes and (where compared) content alike: nothing to copy.
bool Alike(const ComparisonRow& row)
{
    return row.sizeRelation() == Relation::Equal && row.timeRelation() == Relation::Equal &&
           row.attributesAlike() && (row.percent() < 0 || row.percent() == 100);
}

// The side a chosen row copies from (true: B), by its cells; nullopt: nothing.
std::optional<bool> CopiesFromB(const ComparisonRow& row, CopyChoice choice)
{
    switch (choice) {
    case CopyChoice::AToB:
        return row.hasA() ? std::optional(false) : std::nullopt;
    case CopyChoice::BToA:
        return row.hasB() ? std::optional(true) : std::nullopt;
    case CopyChoice::UpdateBoth:
        if (row.hasB() && (!row.hasA() || row.timeRelation() == Relation::Smaller))
            return true;
        [[fallthrough]];
    case CopyChoice::UpdateB:
        if (row.hasA() && (!row.hasB() || row.timeRelation() == Relation::Greater))
            return false;
        break;
    }
    return std::nullopt;
}

ListedFile ListingOf(const FileIdentity& entry)
{
    return {entry.size, entry.lastWrite.seconds};
}

class CopyPlanner
{
public:
    CopyPlanner(const ComparisonScope& scope, ReplacedKeeping keeping, CopyPlan& out)
        : scope_(scope), keeping_(keeping), out_(out)
    {
    }

    // A folder the other side lacks, with everything in it.
    void copyFolderWhole(const std::string& source, const std::string& destination, std::size_t row)
    {
        const std::optional<FileIdentity> entry = platform::IdentifyEntry(source);
        if (!entry || platform::LookupEntry(destination))
            return leaveOut(source, LeftOutReason::Changed);
        if (entry->link) // a link to a folder is copied as the link
            return copyFile(source, destination, *entry, std::nullopt, row);
        if (!entry->folder)
            return leaveOut(source, LeftOutReason::Changed);
        makeParents(source, destination, row);
        addFolder(source, destination, row);
        std::vector<std::pair<std::string, std::string>> stack{{source, destination}};
        std::vector<platform::DirEntry> entries;
        while (!stack.empty()) {
            const auto [from, to] = std::move(stack.back());
            stack.pop_back();
            if (!platform::ListDirectory(from, entries)) {
                leaveOut(from, LeftOutReason::Unreadable);
                continue;
            }
            for (const platform::DirEntry& listed : entries) {
                if (listed.isDotName())
                    continue;
                const std::string childFrom = Joined(from, listed.name),
                                  childTo = Joined(to, listed.name);
                const std::optional<FileIdentity> child = platform::IdentifyEntry(childFrom);
                if (!child) {
                    leaveOut(childFrom, LeftOutReason::Changed);
                } else if (child->folder) {
                    addFolder(childFrom, childTo, row);
                    stack.emplace_back(childFrom, childTo);
                } else {
                    copyFile(childFrom, childTo, *child, std::nullopt, row);
                }
            }
        }
    }

    // A file or link of a row: to where the other side lacks it, or over the other
    // side's file, both as compared.
    void copyRowFile(const ComparisonRow& row, bool fromB, const std::string& source,
                     const std::string& destination, std::size_t index)
    {
        const std::optional<FileIdentity> entry = platform::IdentifyEntry(source);
        if (!entry)
            return leaveOut(source, LeftOutReason::Changed);
        if (!(row.hasA() && row.hasB())) {
            if (platform::LookupEntry(destination))
                return leaveOut(destination, LeftOutReason::Changed);
            makeParents(source, destination, index);
            return copyFile(source, destination, *entry, std::nullopt, index);
        }
        const std::optional<FileIdentity> replaced = platform::IdentifyEntry(destination);
        if (!replaced || replaced->folder)
            return leaveOut(destination, LeftOutReason::Changed);
        if (!StillAsCompared(row, fromB, source, destination))
            return leaveOut(source, LeftOutReason::Changed);
        copyFile(source, destination, *entry, replaced, index);
    }

private:
    bool changedSinceComparison(const FileIdentity& entry) const
    {
        return platform::IsLater(entry.changed, scope_.comparedAt) ||
               platform::IsLater(entry.lastWrite, scope_.comparedAt);
    }

    // The row's size and time cells still hold for the two sides on the disk.
    bool StillAsCompared(const ComparisonRow& row, bool fromB, const std::string& source,
                         const std::string& destination) const
    {
        const std::optional<EntryFacts> factsSource = FactsOf(scope_, source),
                                        factsDestination = FactsOf(scope_, destination);
        if (!factsSource || !factsDestination)
            return false;
        ComparisonRow now(0, 0, false, true, true);
        if (fromB)
            now.setRelations(*factsDestination, *factsSource);
        else
            now.setRelations(*factsSource, *factsDestination);
        return now.sizeRelation() == row.sizeRelation() && now.timeRelation() == row.timeRelation();
    }

    void copyFile(const std::string& source, const std::string& destination,
                  const FileIdentity& entry, const std::optional<FileIdentity>& replaced,
                  std::size_t row)
    {
        if (!entry.regular && !entry.link)
            return leaveOut(source, LeftOutReason::NotAFile);
        if (changedSinceComparison(entry))
            return leaveOut(source, LeftOutReason::Changed);
        if (replaced &&
            (changedSinceComparison(*replaced) || (!replaced->regular && !replaced->link)))
            return leaveOut(destination, LeftOutReason::Changed);
        PlannedAction item;
        item.kind = replaced ? ActionKind::Replace : ActionKind::Copy;
        item.path = source;
        item.destination = destination;
        item.listed = ListingOf(entry);
        if (replaced) {
            item.replacedListed = ListingOf(*replaced);
            if (keeping_ == ReplacedKeeping::Versioned)
                item.versionedAs = versionedName(destination, *replaced);
        }
        item.row = row;
        out_.plan.items.push_back(std::move(item));
    }

    // A name beside `destination` for the file it holds that neither the disk nor an
    // earlier item of the plan has.
    std::string versionedName(const std::string& destination, const FileIdentity& replaced)
    {
        std::string name =
            VersionedPath(destination, replaced.lastWrite.seconds, [&](const std::string& name) {
                return versionedNames_.contains(name) || platform::LookupEntry(name);
            });
        versionedNames_.insert(name);
        return name;
    }

    void addFolder(const std::string& source, const std::string& destination, std::size_t row)
    {
        PlannedAction item;
        item.kind = ActionKind::Copy;
        item.folder = true;
        item.path = source;
        item.destination = destination;
        item.row = row;
        out_.plan.items.push_back(std::move(item));
        madeFolders_.insert(destination);
    }

    // The folders above `destination` that its side lacks, made from those above
    // `source`, the highest first.
    void makeParents(const std::string& source, const std::string& destination, std::size_t row)
    {
        std::vector<std::pair<std::string, std::string>> missing;
        std::string from(platform::ParentFolder(source)), to(platform::ParentFolder(destination));
        while (!madeFolders_.contains(to) && !platform::IsExistingFolder(to) &&
               platform::ParentFolder(to) != to) {
            missing.emplace_back(from, to);
            from = std::string(platform::ParentFolder(from));
            to = std::string(platform::ParentFolder(to));
        }
        for (auto folder = missing.rbegin(); folder != missing.rend(); ++folder)
            addFolder(folder->first, folder->second, row);
    }

    void leaveOut(const std::string& path, LeftOutReason reason)
    {
        out_.leftOut.push_back({path, reason});
    }

    const ComparisonScope& scope_;
    const ReplacedKeeping keeping_;
    CopyPlan& out_;
    std::set<std::string> madeFolders_;
    std::set<std::string> versionedNames_;
};

} // namespace

ComparisonScope ScopeOfComparison(const ComparisonEngine& engine, bool contents)
{
    return {platform::AbsolutePath(engine.RootA()), platform::AbsolutePath(engine.RootB()),
            engine.ComparedAt(), engine.ComparedFiles(), contents};
}

CopyPlan PlanCopies(const ComparisonList& list, const ComparisonScope& scope,
                    const std::vector<std::size_t>& rows, CopyChoice choice, bool onlyMissing,
                    ReplacedKeeping keeping)
{
    CopyPlan out;
    CopyPlanner planner(scope, keeping, out);
    // Folders copied whole first, the highest of them only: rows below them add nothing.
    std::vector<std::size_t> wholeRows, fileRows;
    std::set<std::string, std::less<>> wholeFolders;
    for (const std::size_t index : rows) {
        const ComparisonRow& row = list[index];
        const std::optional<bool> fromB = CopiesFromB(row, choice);
        if (!fromB)
            continue;
        const bool lacking = *fromB ? !row.hasA() : !row.hasB();
        if (!list.isFileRow(row)) {
            if (lacking)
                wholeRows.push_back(index);
        } else if (lacking || (!onlyMissing && !Alike(row))) {
            fileRows.push_back(index);
        }
    }
    const auto paths = [&](std::size_t index) {
        const ComparisonRow& row = list[index];
        const bool fromB = *CopiesFromB(row, choice);
        return std::tuple{SidePath(list, row, scope, fromB), SidePath(list, row, scope, !fromB),
                          fromB};
    };
    const auto withinWhole = [&](const std::string& source) {
        return platform::LiesWithinAny(source, wholeFolders);
    };
    std::ranges::sort(wholeRows, {}, [&](std::size_t index) { return std::get<0>(paths(index)); });
    for (const std::size_t index : wholeRows) {
        const auto [source, destination, fromB] = paths(index);
        if (withinWhole(source))
            continue;
        wholeFolders.insert(source);
        planner.copyFolderWhole(source, destination, index);
    }
    for (const std::size_t index : fileRows) {
        const auto [source, destination, fromB] = paths(index);
        if (!withinWhole(source))
            planner.copyRowFile(list[index], fromB, source, destination, index);
    }
    // Every folder made before the first file is written, the higher ones first as
    // planned. Folders made among many new files land where a large deletion has just
    // freed inodes, and ext4 then steps over each recently freed inode for every file
    // it creates there: copying 100,000 small files took several times as long.
    std::ranges::stable_partition(out.plan.items, &PlannedAction::folder);
    return out;
}

void RefreshCopiedRows(ComparisonList& list, const ComparisonScope& scope, const ActionPlan& plan,
                       const std::vector<ActionOutcome>& outcomes)
{
    std::vector<bool> copied(list.size(), false);
    std::set<std::string, std::less<>> madeFolders;
    for (std::size_t i = 0; i < plan.items.size() && i < outcomes.size(); ++i) {
        const PlannedAction& item = plan.items[i];
        if (!outcomes[i].done)
            continue;
        if (item.row < copied.size())
            copied[item.row] = true;
        if (item.folder)
            madeFolders.insert(item.destination);
    }
    for (std::size_t index = 0; index < list.size(); ++index) {
        ComparisonRow& row = list[index];
        const std::string pathA = SidePath(list, row, scope, false),
                          pathB = SidePath(list, row, scope, true);
        const bool below = platform::LiesWithinAny(pathA, madeFolders) ||
                           platform::LiesWithinAny(pathB, madeFolders);
        if (!copied[index] && !below)
            continue;
        const std::optional<EntryFacts> factsA = FactsOf(scope, pathA),
                                        factsB = FactsOf(scope, pathB);
        row.setSides(factsA.has_value(), factsB.has_value());
        if (!factsA || !factsB)
            continue;
        row.setRelations(*factsA, *factsB);
        // A copy is checked byte for byte against its source.
        if (scope.contents && list.isFileRow(row))
            row.setContent(ContentCell::Percent, 100);
    }
}

} // namespace quorvex
