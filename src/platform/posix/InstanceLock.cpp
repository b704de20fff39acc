#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/UserFolders.h"

namespace quorvex::platform {

namespace {

enum class Outcome
{
    Locked,
    HeldElsewhere,
    Unusable
};

int FlockWithoutWaiting(int fd)
{
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result;
}

bool IsOwnRegularFile(const struct stat& status)
{
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
}

void ShortPause()
{
    const timespec pause{0, 10'000'000};
    ::nanosleep(&pause, nullptr);
}

// Removes what is at `path` unless it is a lock file of our own. Our starts do this
// one at a time, under a lock on the folder, and look again before removing: so no
// start removes the lock file that another start has just made. True when the path
// is free (or holds our own file) now.
bool ClearForeignEntry(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const std::string name = path.substr(slash + 1);
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return false;
    bool folderLocked = false;
    for (int attempt = 0; attempt < 20 && !folderLocked; ++attempt) {
        folderLocked = FlockWithoutWaiting(folderFd) == 0;
        if (!folderLocked)
            ShortPause(); // another start is clearing; it takes microseconds
    }
    bool cleared = false;
    struct stat status;
    if (folderLocked) {
        if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            cleared = errno == ENOENT;
        else if (IsOwnRegularFile(status))
            cleared = true;
        else
            cleared =
                ::unlinkat(folderFd, name.c_str(), S_ISDIR(status.st_mode) ? AT_REMOVEDIR : 0) == 0;
    }
    ::close(folderFd); // releases the folder lock
    return cleared;
}

// Takes the lock of the file at `path`, replacing a foreign entry there once.
Outcome LockFileAt(const std::string& path, int& fd)
{
    fd = -1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Only our own regular file (or nothing) is opened: opening a device or FIFO
        // could have effects of its own.
        struct stat status;
        const bool foreign = ::lstat(path.c_str(), &status) == 0 && !IsOwnRegularFile(status);
        if (!foreign) {
            // O_NONBLOCK: a FIFO swapped in meanwhile must not block the start.
            // O_NOFOLLOW: a link is never followed (in /tmp it may be someone else's).
            // O_CLOEXEC: programs started later (file openers) must not inherit the lock.
            fd = ::open(path.c_str(),
                        O_RDONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, 0600);
            if (fd < 0 && errno == ENOENT)
                return Outcome::Unusable; // no folder: nothing to replace
            if (fd >= 0 && ::fstat(fd, &status) == 0 && IsOwnRegularFile(status)) {
                if (FlockWithoutWaiting(fd) == 0)
                    return Outcome::Locked;
                const bool held = errno == EWOULDBLOCK;
                ::close(fd);
                fd = -1;
                return held ? Outcome::HeldElsewhere : Outcome::Unusable;
            }
            if (fd >= 0)
                ::close(fd);
            fd = -1;
        }
        if (!ClearForeignEntry(path))
            break;
    }
    return Outcome::Unusable;
}

} // namespace

std::string InstanceLock::DefaultPath(const std::string& name)
{
    const std::string runtime = RuntimeFolder();
    if (!runtime.empty())
        return runtime + name + ".lock";
    return "/tmp/" + name + "-" + EffectiveUserId() + ".lock";
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock()
{
    release();
}

void InstanceLock::release()
{
    // Closing the only descriptor of a file releases its lock.
    for (int* fd : {&fd_, &besideFd_}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
}

bool InstanceLock::tryAcquire()
{
    if (isHeld())
        return true;
    heldByAnother_ = LockFileAt(path_, fd_) == Outcome::HeldElsewhere ||
                     LockFileAt(besidePath(), besideFd_) == Outcome::HeldElsewhere;
    if (heldByAnother_)
        release();
    return isHeld();
}

} // namespace quorvex::platform
