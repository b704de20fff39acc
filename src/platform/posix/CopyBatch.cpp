// Batched copies on POSIX. Placing a batch syncs the file systems it writes to once
// and renames the copies into place; the new names reach the disk with the next
// batch's sync, or the last one when the batch is settled: a sync of each file or
// folder would wait for the disk's cache every time.

#include "platform/CopyBatch.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <set>

#include "platform/DesktopTrash.h"
#include "platform/FailureReason.h"
#include "platform/ReplaceChecks.h"
#include "platform/TempEntry.h"
#include "platform/posix/CopyBytes.h"
#include "platform/posix/ReplaceSteps.h"

namespace quorvex::platform {

namespace {

using Attempt = TempEntry::Attempt;
using posix::Changed;
using posix::Failure;

// A symbolic link at `name` with the target text of the link `from`.
bool CopyLink(const std::string& from, std::uint64_t size, const std::string& name)
{
    // One byte more than the link's size shows a link that changed meanwhile.
    std::string target(static_cast<std::size_t>(size) + 1, '\0');
    const ssize_t length = ::readlink(from.c_str(), target.data(), target.size());
    if (length < 0 || static_cast<std::size_t>(length) == target.size()) {
        errno = length < 0 ? errno : EAGAIN;
        return false;
    }
    target.resize(static_cast<std::size_t>(length));
    return ::symlink(target.c_str(), name.c_str()) == 0;
}

// The copy of `from` (a regular file or a link, `of`) made at `name`, with its
// attributes, on its way to the disk; nothing is left at `name` when it fails. A
// file's source and copy are left open in `source` and `copy`.
Attempt MakeCopy(const std::string& from, const FileIdentity& of, const std::string& name,
                 InputFile& source, InputFile& copy)
{
    if (!of.link)
        return posix::AttemptOf(posix::CopyFileWithAttributes(from, of, name, source, copy));
    if (!CopyLink(from, of.size, name))
        return posix::AttemptOf(false);
    if (posix::TakeOverEntryAttributes(from, of, name))
        return Attempt::Made;
    const int error = errno; // the copy goes again: it is no taken name
    ::unlink(name.c_str());
    errno = error;
    return Attempt::Failed;
}

} // namespace

// Staging only writes the copy beside its destination: the threads share nothing but
// the journal and the list of staged copies, so the batch sets no limit of its own.
const unsigned CopyBatch::kConcurrentStages = std::numeric_limits<unsigned>::max();

struct CopyBatch::Staged
{
    Staged(std::size_t tag, TempJournal& journal, std::string_view source,
           const FileIdentity& sourceExpected, std::string_view destination,
           const std::optional<FileIdentity>& replaced, std::string_view keepAs)
        : tag(tag), source(source), destination(destination), keepAs(keepAs),
          sourceExpected(sourceExpected), replaced(replaced), temp(journal)
    {
    }

    std::size_t tag;
    std::string source, destination, keepAs;
    FileIdentity sourceExpected;
    std::optional<FileIdentity> replaced;
    TempEntry temp;
};

CopyBatch::CopyBatch(TempJournal& journal) : journal_(journal) {}

CopyBatch::~CopyBatch()
{
    staged_.clear(); // their temporary files go first
    settle();
}

ReplaceResult CopyBatch::stage(std::size_t tag, std::string_view sourceText,
                               const FileIdentity& sourceExpected, std::string_view destinationText,
                               const std::optional<FileIdentity>& replaced, std::string_view keepAs,
                               const std::function<bool(InputFile&, InputFile&)>& sound)
{
    auto staged = std::make_unique<Staged>(tag, journal_, sourceText, sourceExpected,
                                           destinationText, replaced, keepAs);
    const std::string &source = staged->source, &destination = staged->destination;
    if (!StillExpected(source, sourceExpected) ||
        (replaced && !StillExpected(destination, *replaced)))
        return Changed();
    if (!replaced && LookupEntry(destination))
        return Failure(EEXIST);
    InputFile sourceFile, copyFile;
    if (!staged->temp.make(destination, [&](const std::string& name) {
            return MakeCopy(source, sourceExpected, name, sourceFile, copyFile);
        }))
        return Failure(errno);
    if (!sourceExpected.link && !sound(sourceFile, copyFile))
        return ReplaceResult::CopyUnsound;
    const std::lock_guard lock(stagedMutex_);
    staged_.push_back(std::move(staged));
    return ReplaceResult::Done;
}

namespace {

// The second name of the file at `path` under which it stays restorable: in the
// desktop trash, or `keepAs` beside it. nullopt, with the reason remembered, when it
// cannot have it.
std::optional<std::string> KeepSecondName(const std::string& path, const std::string& keepAs)
{
    if (keepAs.empty()) {
        std::optional<std::string> kept = LinkIntoDesktopTrash(path);
        if (!kept)
            RememberFailure("it cannot be kept in the trash");
        return kept;
    }
    if (::linkat(AT_FDCWD, path.c_str(), AT_FDCWD, keepAs.c_str(), 0) == 0)
        return keepAs;
    RememberFailure(errno);
    RememberFailure(keepAs + ": " + LastFailureText());
    return std::nullopt;
}

void DropSecondName(const std::string& kept, const std::string& keepAs)
{
    if (keepAs.empty())
        TakeOutOfDesktopTrash(kept);
    else
        ::unlink(kept.c_str());
}

// Puts the durable copy `temp` at `destination`, over `replaced` where given (which
// first gets its second name, `keptAt`), while `source` is still `sourceExpected`.
ReplaceResult PutInPlace(TempEntry& temp, const std::string& source,
                         const FileIdentity& sourceExpected, const std::string& destination,
                         const std::optional<FileIdentity>& replaced, const std::string& keepAs,
                         std::string& keptAt)
{
    if (!StillExpected(source, sourceExpected))
        return Changed();
    if (!replaced) {
        if (!MoveEntry(temp.path(), destination))
            return Failure(errno);
        temp.renamed();
        return ReplaceResult::Done;
    }
    const std::optional<std::string> kept = KeepSecondName(destination, keepAs);
    if (!kept)
        return keepAs.empty() ? ReplaceResult::NotTrashable : ReplaceResult::Failed;
    // The second name holds the file compared, and the path still does (the second
    // name has set its change time).
    const std::optional<FileIdentity> second = IdentifyEntry(*kept);
    const std::optional<FileIdentity> there = IdentifyEntry(destination);
    if (!second || !there || !second->sameFile(*replaced) || !there->unchanged(*replaced)) {
        DropSecondName(*kept, keepAs);
        return Changed();
    }
    const ReplaceResult result = posix::SwapIntoPlace(temp, destination, *there);
    if (result != ReplaceResult::Done) {
        DropSecondName(*kept, keepAs);
        return result;
    }
    keptAt = *kept;
    return result;
}

} // namespace

std::vector<CopyBatch::Placed> CopyBatch::place()
{
    // In the order of their tags, however the threads that staged them took turns.
    std::ranges::sort(staged_, {},
                      [](const std::unique_ptr<Staged>& staged) { return staged->tag; });
    std::vector<Placed> placed(staged_.size());
    for (std::size_t i = 0; i < staged_.size(); ++i)
        placed[i].tag = staged_[i]->tag;
    // Every copy on the disk before any takes its place, with the names placed before.
    // Where the file systems could not write everything, each copy is synced alone to
    // tell which.
    std::set<std::string> folders = std::move(foldersToSync_);
    foldersToSync_.clear();
    for (const std::unique_ptr<Staged>& staged : staged_)
        folders.insert(posix::FolderOf(staged->destination));
    if (!posix::SyncFileSystemsOf(folders)) {
        for (std::size_t i = 0; i < staged_.size(); ++i) {
            Staged& staged = *staged_[i];
            if (staged.sourceExpected.link || posix::SyncWritten(staged.temp.path()))
                continue;
            placed[i].failure = LastFailureText();
            staged_[i].reset(); // its temporary file goes
        }
    }
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        if (!staged_[i])
            continue;
        Staged& staged = *staged_[i];
        placed[i].result =
            PutInPlace(staged.temp, staged.source, staged.sourceExpected, staged.destination,
                       staged.replaced, staged.keepAs, placed[i].keptAt);
        if (placed[i].result == ReplaceResult::Done)
            foldersToSync_.insert(posix::FolderOf(staged.destination));
        else
            placed[i].failure = LastFailureText();
        staged_[i].reset();
    }
    staged_.clear();
    return placed;
}

void CopyBatch::settle()
{
    // The names are in place whatever the sync says: a failure undoes nothing.
    (void)posix::SyncFileSystemsOf(foldersToSync_);
    foldersToSync_.clear();
}

} // namespace quorvex::platform
