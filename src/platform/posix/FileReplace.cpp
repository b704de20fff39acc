// Replacing and moving users' files on POSIX. The replacement is swapped with the
// file in one step (renameat2 RENAME_EXCHANGE), so the file that comes out can be
// checked: when it is not the one that was judged (another program saved a new
// version in the meantime) it is swapped back. File systems without the exchange
// get a plain rename over the file, right after the file was checked.

#include "platform/FileReplace.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

#include "platform/DesktopTrash.h"
#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/ReplaceChecks.h"
#include "platform/TempEntry.h"
#include "platform/posix/CopyBytes.h"

namespace quorvex::platform {

namespace {

constexpr const char* kChangedMeanwhile = "changed while it was being replaced";

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

void SyncFolderOf(const std::string& path)
{
    const int fd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

ReplaceResult Failure(int error)
{
    RememberFailure(error);
    switch (error) {
    case EXDEV:
        return ReplaceResult::CrossDevice;
    case EEXIST:
        return ReplaceResult::TargetExists;
    default:
        return ReplaceResult::Failed;
    }
}

// The folder of a move's destination cannot be made: said with the folder's name and
// never as a taken destination (a file that has the folder's name is not the
// destination).
ReplaceResult FolderFailure(const std::string& folder, int error)
{
    RememberFailure(error == EEXIST ? ENOTDIR : error);
    RememberFailure(folder + ": " + LastFailureText());
    return ReplaceResult::Failed;
}

ReplaceResult Changed()
{
    RememberFailure(kChangedMeanwhile);
    return ReplaceResult::Changed;
}

using Attempt = TempEntry::Attempt;

// The attempt as the entry's maker reports it (false with errno set when it failed):
// a taken name gives way to another.
Attempt AttemptOf(bool made)
{
    if (made)
        return Attempt::Made;
    return errno == EEXIST ? Attempt::Taken : Attempt::Failed;
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

// Puts `temp` in the place of `path`, which is still `expected`.
ReplaceResult SwapIntoPlace(TempEntry& temp, const std::string& path, const FileIdentity& expected)
{
    if (IsFaultInjected(FaultPoint::Rename, path))
        return Failure(errno);
    if (::renameat2(AT_FDCWD, temp.path().c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) == 0) {
        // The temporary name now holds what was at the path (the rename has set its
        // change time).
        const std::optional<FileIdentity> swapped = IdentifyEntry(temp.path());
        if (!swapped || !swapped->unchanged(expected)) {
            // The other program's file goes back; failing the exchange, it replaces
            // the link, which is all the temporary name may lose.
            if (::renameat2(AT_FDCWD, temp.path().c_str(), AT_FDCWD, path.c_str(),
                            RENAME_EXCHANGE) != 0 &&
                ::rename(temp.path().c_str(), path.c_str()) == 0)
                temp.renamed();
            return Changed();
        }
        SyncFolderOf(path);
        return ReplaceResult::Done; // the old file goes with the temporary entry
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return Failure(errno);
    if (!StillExpected(path, expected))
        return Changed();
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        return Failure(errno);
    temp.renamed();
    SyncFolderOf(path);
    return ReplaceResult::Done;
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
    SyncFolderOf(destination);
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

constexpr const char* kDosAttribName = "user.DOSATTRIB";

// The DOS attribute text of `from` onto `to` (neither a link), where the file system
// keeps it.
void CopyDosAttrib(const std::string& from, const std::string& to)
{
    char text[64];
    const ssize_t length = ::getxattr(from.c_str(), kDosAttribName, text, sizeof text);
    if (length > 0)
        (void)::setxattr(to.c_str(), kDosAttribName, text, static_cast<std::size_t>(length), 0);
}

// Owner, permissions (not of a link), attributes and modification time of the entry
// `of` (at `from`) onto the new entry `name`.
bool TakeOverEntryAttributes(const std::string& from, const FileIdentity& of,
                             const std::string& name)
{
    (void)::lchown(name.c_str(), of.owner, of.group);
    if (!of.link) {
        CopyDosAttrib(from, name);
        if (::chmod(name.c_str(), of.permissions) != 0)
            return false;
    }
    const timespec times[2] = {{0, UTIME_NOW}, {of.lastWrite.seconds, of.lastWrite.nanoseconds}};
    return ::utimensat(AT_FDCWD, name.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

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
// attributes; nothing is left at `name` when it fails.
Attempt MakeCopy(const std::string& from, const FileIdentity& of, const std::string& name)
{
    if (of.link ? !CopyLink(from, of.size, name) : !posix::CopyBytes(from, name, 0600))
        return AttemptOf(false);
    if (TakeOverEntryAttributes(from, of, name))
        return Attempt::Made;
    const int error = errno; // the copy goes again: it is no taken name
    ::unlink(name.c_str());
    errno = error;
    return Attempt::Failed;
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
    return SwapIntoPlace(temp, path, expected);
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
        SyncFolderOf(destination);
        return ReplaceResult::Done;
    }
    const int error = errno;
    if (error != EXDEV) // a destination that is there is said as such, whatever the failure
        return Failure(::access(destination.c_str(), F_OK) == 0 ? EEXIST : error);
    return CopyIntoPlace(path, expected, destination, journal);
}

ReplaceResult CopyEntryInto(std::string_view sourceText, const FileIdentity& sourceExpected,
                            std::string_view destinationText,
                            const std::optional<FileIdentity>& replaced, TempJournal& journal,
                            const std::function<bool(const std::string& copy)>& sound,
                            std::string& trashedAt)
{
    const std::string source(sourceText), destination(destinationText);
    if (!StillExpected(source, sourceExpected) ||
        (replaced && !StillExpected(destination, *replaced)))
        return Changed();
    if (!replaced && LookupEntry(destination))
        return Failure(EEXIST);
    TempEntry temp(journal);
    if (!temp.make(destination,
                   [&](const std::string& name) { return MakeCopy(source, sourceExpected, name); }))
        return Failure(errno);
    if (!sourceExpected.link && !sound(temp.path()))
        return ReplaceResult::CopyUnsound;
    if (!StillExpected(source, sourceExpected))
        return Changed();
    if (!replaced) {
        if (!MoveEntry(temp.path(), destination))
            return Failure(errno);
        temp.renamed();
        SyncFolderOf(destination);
        return ReplaceResult::Done;
    }
    const std::optional<std::string> kept = LinkIntoDesktopTrash(destination);
    if (!kept) {
        RememberFailure("it cannot be kept in the trash");
        return ReplaceResult::NotTrashable;
    }
    // The trash holds the file compared, and the path still does (the second name
    // has set its change time).
    const std::optional<FileIdentity> inTrash = IdentifyEntry(*kept);
    const std::optional<FileIdentity> there = IdentifyEntry(destination);
    if (!inTrash || !there || !inTrash->sameFile(*replaced) || !there->unchanged(*replaced)) {
        TakeOutOfDesktopTrash(*kept);
        return Changed();
    }
    const ReplaceResult result = SwapIntoPlace(temp, destination, *there);
    if (result != ReplaceResult::Done) {
        TakeOutOfDesktopTrash(*kept);
        return result;
    }
    trashedAt = *kept;
    return result;
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
    if (!TakeOverEntryAttributes(source, *folder, destination)) {
        RememberFailure(errno);
        return false;
    }
    return true;
}

} // namespace quorvex::platform
