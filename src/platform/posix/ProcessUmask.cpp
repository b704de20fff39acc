#include "platform/posix/ProcessUmask.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace quorvex::platform::posix {

namespace {

// The text of /proc/self/status (its size reads as 0, so read until the end).
// Plain system calls: file streams would pull the stream and locale machinery into
// every program that links the platform layer.
std::string ProcessStatusText()
{
    std::string text;
    const int fd = ::open("/proc/self/status", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

} // namespace

mode_t CurrentUmask()
{
    const std::string status = ProcessStatusText();
    const std::size_t at = status.find("\nUmask:");
    if (at != std::string::npos)
        return static_cast<mode_t>(std::strtoul(status.c_str() + at + 7, nullptr, 8));
    // Without /proc: read the mask by setting and restoring it.
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

} // namespace quorvex::platform::posix
