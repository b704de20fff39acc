#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex::platform {

namespace {

constexpr const char* kNotRegular = "not a regular file";

bool SameEntry(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens `name` within the folder `dirFd` (or a path, with AT_FDCWD) only when it is
// a regular file (after links), or returns -1 with the reason remembered. The type is
// asked before the open, so a FIFO or a device is never opened; O_NONBLOCK and the
// check of the opened file cover an entry swapped in between.
int OpenRegularFile(int dirFd, const char* name, struct stat& status)
{
    if (::fstatat(dirFd, name, &status, 0) != 0) {
        RememberFailure(errno);
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        if (S_ISDIR(status.st_mode))
            RememberFailure(EISDIR);
        else
            RememberFailure(kNotRegular);
        return -1;
    }
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        RememberFailure(errno);
        return -1;
    }
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || !SameEntry(opened, status)) {
        ::close(fd);
        RememberFailure(kNotRegular);
        return -1;
    }
    status = opened;
    return fd;
}

// One read request, repeated when a signal interrupts it.
std::int64_t ReadOnce(int fd, void* buffer, std::size_t length, const std::uint64_t* offset)
{
    for (;;) {
        const ssize_t got = offset != nullptr
                                ? ::pread(fd, buffer, length, static_cast<off_t>(*offset))
                                : ::read(fd, buffer, length);
        if (got >= 0)
            return got;
        if (errno != EINTR) {
            RememberFailure(errno);
            return -1;
        }
    }
}

} // namespace

OpenFolder::~OpenFolder()
{
    close();
}

bool OpenFolder::open(std::string_view path)
{
    close();
    const std::string folderPath(WithoutTrailingSeparators(path));
    const posix::PathAnchor anchor(folderPath);
    if (anchor.isValid())
        handle_ = ::openat(anchor.dirFd(), anchor.name(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (handle_ < 0) {
        RememberFailure(errno);
        return false;
    }
    path_ = WithTrailingSeparator(path);
    return true;
}

void OpenFolder::close()
{
    if (handle_ >= 0)
        ::close(handle_);
    handle_ = -1;
    path_.clear();
}

bool InputFile::open(std::string_view path)
{
    close();
    if (IsFaultInjected(FaultPoint::Open, path))
        return false;
    const std::string pathText(path);
    const posix::PathAnchor anchor(pathText);
    if (!anchor.isValid()) {
        RememberFailure(errno);
        return false;
    }
    struct stat status;
    const int fd = OpenRegularFile(anchor.dirFd(), anchor.name(), status);
    if (fd < 0)
        return false;
    adopt(fd, static_cast<std::uint64_t>(status.st_size), path);
    return true;
}

bool InputFile::open(const OpenFolder& folder, std::string_view name)
{
    close();
    // The full path is made only for a fault hook, which tests install.
    const bool hooked = IsFaultHookInstalled();
    const std::string path = hooked ? folder.path() + std::string(name) : std::string();
    if (hooked && IsFaultInjected(FaultPoint::Open, path))
        return false;
    const std::string nameText(name);
    struct stat status;
    const int fd = OpenRegularFile(folder.handle_, nameText.c_str(), status);
    if (fd < 0)
        return false;
    adopt(fd, static_cast<std::uint64_t>(status.st_size), path);
    return true;
}

void InputFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    forget();
}

std::int64_t InputFile::read(void* buffer, std::size_t length)
{
    if (fd_ < 0 || IsFaultInjected(FaultPoint::Read, faultPath_))
        return -1;
    const std::size_t within = lengthWithin(length, position_);
    if (within == 0) // the end of what was opened: no need to ask the system
        return 0;
    const std::int64_t got = ReadOnce(fd_, buffer, within, nullptr);
    if (got > 0)
        position_ += static_cast<std::uint64_t>(got);
    return got;
}

std::int64_t InputFile::readAt(void* buffer, std::size_t length, std::uint64_t offset)
{
    if (fd_ < 0 || IsFaultInjected(FaultPoint::Read, faultPath_))
        return -1;
    const std::size_t within = lengthWithin(length, offset);
    return within == 0 ? 0 : ReadOnce(fd_, buffer, within, &offset);
}

} // namespace quorvex::platform
