#pragma once
// What the POSIX layer's own parts reach inside an InputFile: its descriptor, and a
// file the layer has just written, taken over for reading without opening it again.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace quorvex::platform {

struct InputFileAccess
{
    static int fd(const InputFile& file) { return file.fd_; }
    static const std::string& faultPath(const InputFile& file) { return file.faultPath_; }
    // `file` reads the regular file open as `fd` (for reading too), of `size` bytes,
    // at `path`; it closes the descriptor.
    static void adopt(InputFile& file, int fd, std::uint64_t size, std::string_view path)
    {
        file.close();
        file.adopt(fd, size, path);
    }
};

} // namespace quorvex::platform
