#pragma once
// Writing a whole buffer to a descriptor, across short writes and interruptions.

#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace quorvex::platform::posix {

// False (errno set) when a write fails.
inline bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace quorvex::platform::posix
