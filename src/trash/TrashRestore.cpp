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

} // namespace quorvex
