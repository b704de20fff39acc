#include "actions/CopyItems.h"

#include "actions/ReplaceOutcomes.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

using platform::FileIdentity;

// A batch is placed at this many copies or bytes: enough small files that the waits
// for the disk are shared, few enough large bytes that the page cache need not hold
// much of them unwritten.
constexpr std::size_t kBatchFiles = 10000;
constexpr std::uint64_t kBatchBytes = std::uint64_t{256} << 20;

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

bool CopySession::copy(const PlannedAction& item, std::size_t index)
{
    ActionOutcome& outcome = outcomes_[index];
    const std::optional<FileIdentity> source = platform::IdentifyEntry(item.path);
    if (!source) {
        outcome = Failed(ActionFailure::Missing);
        return true;
    }
    if (item.folder) {
        outcome = makeFolder(item, *source);
        return true;
    }
    if (!CopiesAsFile(*source)) {
        outcome = Failed(ActionFailure::NotAFile);
        return true;
    }
    if (item.listed && !AsListed(*source, *item.listed)) {
        outcome = Failed(ActionFailure::Changed);
        return true;
    }
    std::optional<FileIdentity> replaced;
    if (item.replacedListed) {
        replaced = platform::IdentifyEntry(item.destination);
        if (!replaced || !CopiesAsFile(*replaced) || !AsListed(*replaced, *item.replacedListed)) {
            outcome = Failed(ActionFailure::TargetChanged);
            return true;
        }
    }
    Comparison verdict = Comparison::Unreadable; // until the two could be compared
    std::string detail;
    const auto sound = [&](platform::InputFile& source, platform::InputFile& copy) {
        verdict = comparison_.compare(source, copy, observer_, detail);
        return verdict == Comparison::Equal;
    };
    const platform::ReplaceResult result =
        batch_.stage(item.path, *source, item.destination, replaced, item.versionedAs, sound);
    observer_.addWorkDone(source->size);
    if (result == platform::ReplaceResult::Done) {
        staged_.push_back(index);
        if (batch_.count() >= kBatchFiles || batch_.bytes() >= kBatchBytes)
            place();
        return true;
    }
    if (result == platform::ReplaceResult::CopyUnsound && verdict == Comparison::Cancelled)
        return false;
    if (result == platform::ReplaceResult::CopyUnsound && verdict == Comparison::Unreadable)
        outcome = Failed(ActionFailure::Unreadable,
                         detail.empty() ? platform::LastFailureText() : std::move(detail));
    else
        outcome = FromReplaceResult(result);
    return true;
}

void CopySession::place()
{
    const std::vector<platform::CopyBatch::Placed> placed = batch_.place();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        ActionOutcome outcome = FromReplaceResult(placed[i].result);
        if (!outcome.detail.empty()) // the reason of this copy, not of the batch's last
            outcome.detail = placed[i].failure;
        outcome.placedAt = placed[i].keptAt;
        outcomes_[staged_[i]] = std::move(outcome);
    }
    staged_.clear();
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
    place();
    batch_.settle();
    // A folder's failure here leaves it with the run's time: its contents are whole.
    for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder)
        (void)platform::CopyFolderAttributes(folder->first, folder->second);
    madeFolders_.clear();
}

} // namespace quorvex
