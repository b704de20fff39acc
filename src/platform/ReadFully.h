#pragma once
// Reading a whole range of an opened file, whatever the size of the system's answers.

#include "platform/FileSystem.h"

#include <cstdint>

namespace quorvex::platform {

// Reads `length` bytes at `offset` through as many requests as the system needs:
// returns the bytes read (fewer only at the end of the file), or -1 on an error.
inline std::int64_t ReadFullyAt(InputFile& file, void* buffer, std::size_t length,
                                std::uint64_t offset)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < length) {
        const std::int64_t got = file.readAt(bytes + done, length - done, offset + done);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
}

} // namespace quorvex::platform
