#include "platform/posix/PathAnchor.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace quorvex::platform::posix {

PathAnchor::PathAnchor(const std::string& path) : dirFd_(AT_FDCWD)
{
    if (path.size() < PATH_MAX) {
        name_ = path.c_str();
        valid_ = true;
        return;
    }
    const std::size_t lastSlash = path.rfind('/');
    if (lastSlash == std::string::npos || path.size() - lastSlash > NAME_MAX + 1) {
        errno = ENAMETOOLONG;
        return;
    }
    // Open the containing folder in pieces that each stay below PATH_MAX.
    int fd = AT_FDCWD;
    std::size_t start = 0;
    while (start < lastSlash) {
        if (start > 0 && path[start] == '/') {
            ++start; // a doubled separator
            continue;
        }
        std::size_t end = lastSlash;
        if (end - start >= PATH_MAX) {
            end = path.rfind('/', start + PATH_MAX - 1);
            if (end == std::string::npos || end <= start) {
                if (fd != AT_FDCWD)
                    ::close(fd);
                errno = ENAMETOOLONG;
                return;
            }
        }
        // A piece beginning at the root keeps its leading '/'.
        const std::string piece = path.substr(start, end - start == 0 ? 1 : end - start);
        const int next = ::openat(fd, piece.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd != AT_FDCWD)
            ::close(fd);
        if (next < 0)
            return;
        fd = next;
        start = end + 1;
    }
    dirFd_ = fd;
    ownsFd_ = fd != AT_FDCWD;
    name_ = path.c_str() + lastSlash + 1;
    valid_ = true;
}

PathAnchor::~PathAnchor()
{
    if (ownsFd_)
        ::close(dirFd_);
}

} // namespace quorvex::platform::posix
