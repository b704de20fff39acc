#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex::platform {

InputFile::~InputFile()
{
    close();
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(std::exchange(other.size_, 0)),
      faultPath_(std::move(other.faultPath_))
{
}

InputFile& InputFile::operator=(InputFile&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
        size_ = std::exchange(other.size_, 0);
        faultPath_ = std::move(other.faultPath_);
    }
    return *this;
}

bool InputFile::open(std::string_view path)
{
    close();
    if (IsFaultInjected(FaultPoint::Open, path))
        return false;
    // O_NONBLOCK keeps a FIFO or device from blocking the open; only regular files
    // are kept open, so the flag has no effect on the reads.
    const std::string pathText(path);
    const posix::PathAnchor anchor(pathText);
    if (!anchor.isValid())
        return false;
    const int fd =
        ::openat(anchor.dirFd(), anchor.name(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    size_ = static_cast<std::uint64_t>(status.st_size);
    if (IsFaultHookInstalled())
        faultPath_ = pathText;
    return true;
}

void InputFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    size_ = 0;
    faultPath_.clear();
}

std::int64_t InputFile::read(void* buffer, std::size_t length)
{
    if (fd_ < 0 || IsFaultInjected(FaultPoint::Read, faultPath_))
        return -1;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, length);
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

std::int64_t InputFile::readAt(void* buffer, std::size_t length, std::uint64_t offset)
{
    if (fd_ < 0 || IsFaultInjected(FaultPoint::Read, faultPath_))
        return -1;
    for (;;) {
        const ssize_t got = ::pread(fd_, buffer, length, static_cast<off_t>(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

} // namespace quorvex::platform
