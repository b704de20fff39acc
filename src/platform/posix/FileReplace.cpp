// Replacing and moving users' files on POSIX (the shared steps: ReplaceSteps.h).

#include "platform/FileReplace.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/ReplaceChecks.h"
#include "platform/TempEntry.h"
#include "platform/posix/CopyBytes.h"
#include "platform/posix/ReplaceSteps.h"

namespace quorvex::platform {

namespace {

using posix::AttemptOf;
using posix::Changed;
using posix::Failure;
using posix::FolderOf;
using Attempt = TempEntry::Attempt;

// The folder of a move's destination cannot be made: said with the folder's name and
// never as a taken destination (a file that has the folder's name is not the
// destination).
ReplaceResult FolderFailure(const std::string& folder, int error)
{
    RememberFailure(error == EEXIST ? ENOTDIR : error);
    RememberFailure(folder + ": " + LastFailureText());
    return ReplaceResult::Failed;
}

bool MakeHardLink(const std::string& kept, const std::string& name)
{
    return !IsFaultInjected(FaultPoint::Link, name) &&
           ::linkat(AT_FDCWD, kept.c_str(), AT_FDCWD, name.c_str(), 0) == 0;
}

bool MakeSymbolicLink(const std::string& kept, const std::string& name)
{
    return !IsFaultInjected(FaultPoint::Link, name) && ::symlink(kept.c_str(), name.c_str()) == 0;
}

// Gives the clone or copy `fd` the owner, permissions and modification time of the
// file it replaces; the owner only where the system allows it.
bool TakeOverAttributes(int fd, const FileIdentity& of)
{
    (void)::fchown(fd, of.owner, of.group);
    const timespec times[2] = {{0, UTIME_NOW}, {of.lastWrite.seconds, of.lastWrite.nanoseconds}};
    return ::fchmod(fd, of.permissions) == 0 && ::futimens(fd, times) == 0;
}

// A file sharing the kept file's blocks. The kept file must be untouched after the
// clone (its change time too: a writer may have put the time back), so the clone
// holds the contents that were compared.
bool MakeClone(const std::string& kept, const FileIdentity& keptExpected,
               const FileIdentity& replaced, const std::string& name, bool& keptChanged)
{
    const int source = ::open(kept.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (source < 0)
        return false;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int error = errno;
        ::close(source);
        errno = error;
        return false;
    }
    bool ok = !IsFaultInjected(FaultPoint::Clone, name) && ::ioctl(fd, FICLONE, source) == 0 &&
              TakeOverAttributes(fd, replaced) && ::fsync(fd) == 0;
    const int error = errno;
    struct stat after;
    keptChanged = ok && (::fstat(source, &after) != 0 ||
                         after.st_size != static_cast<off_t>(keptExpected.size) ||
                         after.st_mtim.tv_sec != keptExpected.lastWrite.seconds ||
                         after.st_mtim.tv_nsec != keptExpected.lastWrite.nanoseconds ||
                         after.st_ctim.tv_sec != keptExpected.changed.seconds ||
                         after.st_ctim.tv_nsec != keptExpected.changed.nanoseconds);
    ::close(fd);
    ::close(source);
    if (ok)
        return true;
    ::unlink(name.c_str());
    errno = error;
    return false;
}

ReplaceResult CloneFailure(int error)
{
    switch (error) {
    case EOPNOTSUPP:
    case ENOTTY:
    case EINVAL:
    case ENOSYS:
        RememberFailure(error);
        return ReplaceResult::NoClone;
    default:
        return Failure(error);
    }
}

// Copies the file at `path` (still `expected`) to `destination` under a temporary
// name there, then renames it into place without replacing anything.
ReplaceResult CopyIntoPlace(const std::string& path, const FileIdentity& expected,
                            const std::string& destination, TempJournal& journal)
{
    TempEntry temp(journal);
    if (!temp.make(destination, [&](const std::string& name) {
            if (!posix::CopyBytes(path, name, expected.permissions))
                return AttemptOf(false);
            (void)::lchown(name.c_str(), expected.owner, expected.group);
            const timespec times[2] = {
                {0, UTIME_NOW}, {expected.lastWrite.seconds, expected.lastWrite.nanoseconds}};
            if (::utimensat(AT_FDCWD, name.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0)
                return Attempt::Made;
            const int error = errno; // the copy goes again: it is no taken name
            ::unlink(name.c_str());
            errno = error;
            return Attempt::Failed;
        }))
        return Failure(errno);
    if (!StillExpected(path, expected))
        return Changed();
    if (!MoveEntry(temp.path(), destination))
        return Failure(errno);
    temp.renamed();
    posix::SyncFolder(FolderOf(destination));
    // The original goes only while it is the file that was copied; otherwise the
    // copy goes again.
    if (!StillExpected(path, expected)) {
        ::unlink(destination.c_str());
        return Changed();
    }
    if (!DeleteRegularFile(path)) {
        const int error = errno;
        ::unlink(destination.c_str());
        return Failure(error);
    }
    return ReplaceResult::Done;
}

} // namespace

ReplaceResult ReplaceByKeptFile(std::string_view pathText, const FileIdentity& expected,
                                std::string_view keptText, const FileIdentity& keptExpected,
                                ReplaceKind kind, TempJournal& journal)
{
    const std::string path(pathText), kept(keptText);
    TempEntry temp(journal);
    bool keptChanged = false;
    const bool made = temp.make(path, [&](const std::string& name) {
        switch (kind) {
        case ReplaceKind::HardLink:
            return AttemptOf(MakeHardLink(kept, name));
        case ReplaceKind::SymbolicLink:
            return AttemptOf(MakeSymbolicLink(kept, name));
        case ReplaceKind::Clone:
            return AttemptOf(MakeClone(kept, keptExpected, expected, name, keptChanged));
        }
        return Attempt::Failed;
    });
    if (!made) {
        const int error = errno;
        if (kind == ReplaceKind::Clone)
            return CloneFailure(error);
        if (error == EPERM) {
            RememberFailure(error);
            return ReplaceResult::Refused;
        }
        return Failure(error);
    }
    if (keptChanged || !ReadyToSwap(path, expected, kept, keptExpected, kind, temp.path()))
        return Changed();
    const ReplaceResult result = posix::SwapIntoPlace(temp, path, expected);
    if (result == ReplaceResult::Done)
        posix::SyncFolder(FolderOf(path));
    return result;
}

ReplaceResult MoveFileTo(std::string_view pathText, const FileIdentity& expected,
                         std::string_view destinationText, TempJournal& journal)
{
    const std::string path(pathText), destination(destinationText);
    if (!StillExpected(path, expected))
        return Changed();
    if (!CreateFolderWithParents(FolderOf(destination)))
        return FolderFailure(FolderOf(destination), errno);
    if (MoveEntry(path, destination)) {
        posix::SyncFolder(FolderOf(destination));
        return ReplaceResult::Done;
    }
    const int error = errno;
    if (error != EXDEV) // a destination that is there is said as such, whatever the failure
        return Failure(::access(destination.c_str(), F_OK) == 0 ? EEXIST : error);
    return CopyIntoPlace(path, expected, destination, journal);
}

bool CopyFolderAttributes(std::string_view sourceText, std::string_view destinationText)
{
    const std::string source(WithoutTrailingSeparators(sourceText)),
        destination(WithoutTrailingSeparators(destinationText));
    const std::optional<FileIdentity> folder = IdentifyEntry(source);
    if (!folder || !folder->folder) {
        RememberFailure(folder ? ENOTDIR : ENOENT);
        return false;
    }
    if (!posix::TakeOverEntryAttributes(source, *folder, destination)) {
        RememberFailure(errno);
        return false;
    }
    return true;
}

} // namespace quorvex::platform
