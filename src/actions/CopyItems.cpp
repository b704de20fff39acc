#include "actions/CopyItems.h"

#include "actions/ReplaceOutcomes.h"
#include "platform/FailureReason.h"
#include "platform/FileReplace.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

using platform::FileIdentity;

bool AsListed(const FileIdentity& entry, const ListedFile& listed)
{
    return entry.size == listed.size && entry.lastWrite.seconds == listed.lastWrite;
}

// A file or a link: what a copy writes anew. A folder, FIFO or device is not copied.
bool CopiesAsFile(const FileIdentity& entry)
{
    return entry.regular || entry.link;
}

} // namespace

std::optional<ActionOutcome> CopySession::copy(const PlannedAction& item)
{
    const std::optional<FileIdentity> source = platform::IdentifyEntry(item.path);
    if (!source)
        return Failed(ActionFailure::Missing);
    if (item.folder)
        return makeFolder(item, *source);
    if (!CopiesAsFile(*source))
        return Failed(ActionFailure::NotAFile);
    if (item.listed && !AsListed(*source, *item.listed))
        return Failed(ActionFailure::Changed);

    std::optional<FileIdentity> replaced;
    if (item.replacedListed) {
        replaced = platform::IdentifyEntry(item.destination);
        if (!replaced || !CopiesAsFile(*replaced) || !AsListed(*replaced, *item.replacedListed))
            return Failed(ActionFailure::TargetChanged);
    }
    Comparison verdict = Comparison::Equal;
    std::string detail;
    const auto sound = [&](const std::string& copy) {
        verdict = comparison_.compare(item.path, copy, observer_, detail);
        return verdict == Comparison::Equal;
    };
    std::string trashedAt;
    const platform::ReplaceResult result = platform::CopyEntryInto(
        item.path, *source, item.destination, replaced, journal_, sound, trashedAt);
    observer_.addWorkDone(source->size);
    if (result == platform::ReplaceResult::CopyUnsound) {
        switch (verdict) {
        case Comparison::Cancelled:
            return std::nullopt;
        case Comparison::Unreadable:
            return Failed(ActionFailure::Unreadable, std::move(detail));
        default:
            break;
        }
    }
    ActionOutcome outcome = FromReplaceResult(result);
    outcome.placedAt = std::move(trashedAt);
    return outcome;
}

ActionOutcome CopySession::makeFolder(const PlannedAction& item, const FileIdentity& source)
{
    if (!source.folder)
        return Failed(ActionFailure::NotAFile);
    if (platform::LookupEntry(item.destination))
        return Failed(ActionFailure::TargetExists);
    if (!platform::CreateFolderWithParents(item.destination))
        return Failed(ActionFailure::System, platform::LastFailureText());
    madeFolders_.emplace_back(item.path, item.destination);
    return Done();
}

void CopySession::finish()
{
    // A folder's failure here leaves it with the run's time: its contents are whole.
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
        (void)platform::CopyFolderAttributes(folder->first, folder->second);
    madeFolders_.clear();
}

} // namespace quorvex
