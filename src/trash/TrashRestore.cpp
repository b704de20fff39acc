#include "trash/TrashRestore.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

bool RecreateFile(const std::string& path)
{
    const std::size_t slash = platform::FindLastSeparator(path);
    if (slash != std::string::npos) {
        const std::string folder = path.substr(0, slash + 1);
        if (!platform::IsExistingFolder(folder) && !platform::CreateFolderWithParents(folder))
            return false;
    }
    return platform::CreateEmptyFileExclusive(path);
}

} // namespace

RestoreOutcome RestoreTrashEntry(const TrashList& trash, const std::string& path)
{
    const TrashEntry* entry = trash.lookup(path);
    const TrashEntryParts parts = entry ? SplitTrashEntry(*entry) : TrashEntryParts{};
    if (!parts.attributes)
        return {RestoreResult::Damaged, std::string(parts.valueText)};

    // Only absolute paths are made: an entry carried over from another system
    // ("C:\..." on Linux) would otherwise land below the current folder.
    const bool folder = IsFolderEntryPath(path);
    const bool absolute = platform::IsAbsolutePath(path);
    if (!absolute || !(folder ? platform::CreateFolderWithParents(path) : RecreateFile(path)))
        return {RestoreResult::Failed, {}};
    // -1 records an attribute word that could not be read: nothing to give back.
    if (*parts.attributes >= 0)
        (void)platform::SetAttributes(path, static_cast<std::uint32_t>(*parts.attributes));
    return {RestoreResult::Restored, {}};
}

void RestoreTrashItems(TrashList& trash, const std::vector<std::string>& rows,
                       const std::vector<std::size_t>& selected, const BatchQuestion& ask,
                       const BatchNotice& notify, const TrashRowDone& done)
{
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        const std::string& path = rows.at(*row);
        const bool folder = IsFolderEntryPath(path);
        const BatchDecision decision = ask({BatchAction::RestoreFromTrash, path, folder});
        if (decision == BatchDecision::Stop)
            break;
        if (decision == BatchDecision::Skip)
            continue;
        const RestoreOutcome outcome = RestoreTrashEntry(trash, path);
        if (outcome.result == RestoreResult::Failed)
            notify({BatchProblem::RestoreFailed, path, folder, {}});
        if (outcome.result == RestoreResult::Damaged)
            notify({BatchProblem::DamagedEntry, path, folder, outcome.damagedValue});
        if (outcome.result == RestoreResult::Damaged)
            break;
        if (outcome.result == RestoreResult::Restored) {
            trash.RemoveTrashEntry(path);
            done(*row);
        }
    }
}

void PurgeTrashItems(TrashList& trash, const std::vector<std::string>& rows,
                     const std::vector<std::size_t>& selected, const BatchQuestion& ask,
                     const TrashRowDone& done)
{
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        const std::string& path = rows.at(*row);
        const BatchDecision decision =
            ask({BatchAction::PurgeFromTrash, path, IsFolderEntryPath(path)});
        if (decision == BatchDecision::Stop)
            break;
        if (decision == BatchDecision::Skip)
            continue;
        trash.RemoveTrashEntry(path);
        done(*row);
    }
}

} // namespace quorvex
