#include "actions/TrashItems.h"

#include <algorithm>
#include <utility>

#include "platform/DesktopTrash.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

bool IsLinkOrFile(const std::string& path)
{
    const std::optional<platform::DirEntry> entry = platform::LookupEntry(path);
    return !entry || !entry->isDirectory() || (entry->attributes & platform::kAttrReparsePoint);
}

} // namespace

bool DeleteForGood(const std::string& path)
{
    if (IsLinkOrFile(path))
        return platform::DeleteRegularFile(path);
    std::vector<std::pair<std::string, bool>> stack{{path, false}}; // folder, listed
    std::vector<platform::DirEntry> entries;
    while (!stack.empty()) {
        if (stack.back().second) {
            if (!platform::RemoveEmptyFolder(stack.back().first))
                return false;
            stack.pop_back();
            continue;
        }
        stack.back().second = true;
        const std::string folder = platform::WithTrailingSeparator(stack.back().first);
        if (!platform::ListDirectory(folder, entries))
            return false;
        for (const platform::DirEntry& entry : entries) {
            if (entry.isDotName())
                continue;
            const bool isLink = (entry.attributes & platform::kAttrReparsePoint) != 0;
            if (entry.isDirectory() && !isLink)
                stack.emplace_back(folder + entry.name, false);
            else if (!platform::DeleteRegularFile(folder + entry.name))
                return false;
        }
    }
    return true;
}

bool TrashSession::wentBefore(const std::string& path) const
{
    return platform::LiesWithinAny(platform::WithoutTrailingSeparators(path), removed_);
}

ActionOutcome TrashSession::trash(const PlannedAction& item, const ForGoodQuestion& deleteForGood)
{
    ActionOutcome outcome;
    const std::string path(platform::WithoutTrailingSeparators(item.path));
    // A root, or nothing at all, is never deleted.
    if (path.size() <= platform::RootLength(path)) {
        outcome.failure = ActionFailure::NotRemovable;
        return outcome;
    }
    if (std::optional<std::string> placed = platform::MoveToDesktopTrash(path)) {
        outcome.placedAt = std::move(*placed);
    } else if (!deleteForGood || item.lastCopy) {
        outcome.failure = ActionFailure::NotTrashable;
        return outcome;
    } else if (!deleteForGood(item)) {
        outcome.failure = ActionFailure::Declined;
        return outcome;
    } else if (!DeleteForGood(path)) {
        outcome.failure = ActionFailure::NotRemovable;
        outcome.detail = platform::LastFailureText();
        return outcome;
    }
    outcome.done = true;
    removed_.insert(path);
    return outcome;
}

} // namespace quorvex
