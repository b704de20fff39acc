// The steps that replacing, moving and copying users' files share on POSIX. The
// replacement is swapped with the file in one step (renameat2 RENAME_EXCHANGE), so the
// file that comes out can be checked: when it is not the one that was judged (another
// program saved a new version in the meantime) it is swapped back. File systems
// without the exchange get a plain rename over the file, right after the file was
// checked.

#include "platform/posix/ReplaceSteps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/ReplaceChecks.h"

namespace quorvex::platform::posix {

namespace {

constexpr const char* kChangedMeanwhile = "changed while it was being replaced";
constexpr const char* kDosAttribName = "user.DOSATTRIB";

// The DOS attribute text of `from` (not a link) onto `put`, where the file system
// keeps it.
template <typename Put> void CopyDosAttrib(const std::string& from, const Put& put)
{
    char text[64];
    const ssize_t length = ::getxattr(from.c_str(), kDosAttribName, text, sizeof text);
    if (length > 0)
        put(kDosAttribName, text, static_cast<std::size_t>(length));
}

timespec LastWriteOf(const FileIdentity& of)
{
    return {of.lastWrite.seconds, of.lastWrite.nanoseconds};
}

} // namespace

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

bool SyncFileSystemsOf(const std::set<std::string>& folders)
{
    std::set<dev_t> synced;
    for (const std::string& folder : folders) {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat status;
        if (fd < 0 || ::fstat(fd, &status) != 0) {
            RememberFailure(errno);
            if (fd >= 0)
                ::close(fd);
            return false;
        }
        const bool ok = !synced.insert(status.st_dev).second || ::syncfs(fd) == 0;
        if (!ok)
            RememberFailure(errno);
        ::close(fd);
        if (!ok)
            return false;
    }
    return true;
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

ReplaceResult Changed()
{
    RememberFailure(kChangedMeanwhile);
    return ReplaceResult::Changed;
}

TempEntry::Attempt AttemptOf(bool made)
{
    if (made)
        return TempEntry::Attempt::Made;
    return errno == EEXIST ? TempEntry::Attempt::Taken : TempEntry::Attempt::Failed;
}

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
        return ReplaceResult::Done; // the old file goes with the temporary entry
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return Failure(errno);
    if (!StillExpected(path, expected))
        return Changed();
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        return Failure(errno);
    temp.renamed();
    return ReplaceResult::Done;
}

bool TakeOverEntryAttributes(const std::string& from, const FileIdentity& of,
                             const std::string& name)
{
    (void)::lchown(name.c_str(), of.owner, of.group);
    if (!of.link) {
        CopyDosAttrib(from, [&](const char* key, const char* text, std::size_t length) {
            (void)::setxattr(name.c_str(), key, text, length, 0);
        });
        if (::chmod(name.c_str(), of.permissions) != 0)
            return false;
    }
    const timespec times[2] = {{0, UTIME_NOW}, LastWriteOf(of)};
    return ::utimensat(AT_FDCWD, name.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

bool TakeOverFileAttributes(const std::string& from, const FileIdentity& of, int fd)
{
    (void)::fchown(fd, of.owner, of.group);
    CopyDosAttrib(from, [&](const char* key, const char* text, std::size_t length) {
        (void)::fsetxattr(fd, key, text, length, 0);
    });
    const timespec times[2] = {{0, UTIME_NOW}, LastWriteOf(of)};
    return ::fchmod(fd, of.permissions) == 0 && ::futimens(fd, times) == 0;
}

} // namespace quorvex::platform::posix
