#include "actions/ItemChecks.h"

#include <cstring>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/ReadFully.h"

namespace quorvex {

namespace {

using platform::FileIdentity;

constexpr std::size_t kBlockSize = std::size_t{1} << 20;

bool MatchesListing(const FileIdentity& file, const std::optional<ListedFile>& listed)
{
    return !listed || (file.size == listed->size && file.lastWrite.seconds == listed->lastWrite);
}

} // namespace

ActionFailure CheckItem(const PlannedAction& item, CheckedItem& checked, std::string& detail)
{
    const std::optional<FileIdentity> entry = platform::IdentifyEntry(item.path);
    if (!entry)
        return ActionFailure::Missing;
    checked.entry = *entry;
    // The list describes a link by what it leads to.
    const std::optional<FileIdentity> shown =
        entry->link ? platform::IdentifyTarget(item.path) : entry;
    if (item.folder)
        return shown && shown->folder ? ActionFailure::None : ActionFailure::NotAFile;
    if (!item.listed && !ReplacesContents(item.kind)) {
        // Listed without size and time (the comparison list): any entry that is not a
        // folder goes as it is, a link or a FIFO too.
        if (!entry->link && entry->folder)
            return ActionFailure::NotAFile;
    } else if (!shown || !shown->regular ||
               (entry->link && ReplacesContents(item.kind) &&
                item.kind != ActionKind::SymbolicLink)) {
        // A link holds no bytes of its own: only another link may take its place.
        return ActionFailure::NotAFile;
    } else if (!MatchesListing(*shown, item.listed)) {
        return ActionFailure::Changed;
    }
    if (item.kept.empty())
        return ActionFailure::None;

    const std::optional<FileIdentity> kept = platform::IdentifyTarget(item.kept);
    if (!kept) {
        detail = platform::LastFailureText();
        return ActionFailure::KeptMissing;
    }
    if (!kept->regular || !MatchesListing(*kept, item.keptListed))
        return ActionFailure::KeptChanged;
    checked.kept = *kept;
    checked.keptPath = platform::CanonicalPath(item.kept);
    if (shown && kept->sameFile(*shown)) {
        // The kept file's own bytes: another name of it, or the very same name reached
        // by another path (a folder mounted twice, a second spelling), which no path
        // text can tell apart. Only a hard link, which changes nothing, may be asked of
        // it; a symbolic link to the kept file is already what a symbolic link makes.
        if (entry->link)
            checked.alreadyLinked = item.kind == ActionKind::SymbolicLink;
        else if (item.kind == ActionKind::HardLink)
            checked.alreadyLinked = true;
        else
            return ActionFailure::SameFile;
    }
    return ActionFailure::None;
}

Comparison WholeFileComparison::compare(const std::string& pathA, const std::string& pathB,
                                        RunObserver& observer, std::string& detail)
{
    platform::InputFile a, b;
    if (!a.open(pathA) || !b.open(pathB)) {
        detail = platform::LastFailureText();
        return Comparison::Unreadable;
    }
    return compare(a, b, observer, detail);
}

Comparison WholeFileComparison::compare(platform::InputFile& a, platform::InputFile& b,
                                        RunObserver& observer, std::string& detail)
{
    if (a.size() != b.size())
        return Comparison::Different;
    a_.resize(kBlockSize);
    b_.resize(kBlockSize);
    observer.setFileMax(a.size() / kBlockSize);
    observer.setFilePosition(0);
    for (std::uint64_t block = 1;; ++block) {
        if (observer.cancelRequested())
            return Comparison::Cancelled;
        const std::uint64_t offset = (block - 1) * kBlockSize;
        const std::int64_t gotA = platform::ReadFullyAt(a, a_.data(), kBlockSize, offset);
        const std::int64_t gotB = platform::ReadFullyAt(b, b_.data(), kBlockSize, offset);
        if (gotA < 0 || gotB < 0) {
            detail = platform::LastFailureText();
            return Comparison::Unreadable;
        }
        if (gotA != gotB || std::memcmp(a_.data(), b_.data(), static_cast<std::size_t>(gotA)) != 0)
            return Comparison::Different;
        if (gotA == 0)
            break;
        observer.setFilePosition(block);
        observer.pumpMessages();
    }
    observer.setFilePosition(0);
    return Comparison::Equal;
}

} // namespace quorvex
