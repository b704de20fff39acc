#pragma once
// Reading a whole range of an opened file, whatever the size of the system's answers.

#include "platform/FileSystem.h"
#include "platform/ReadPlacement.h"

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

// Whether reads of the opened file drop behind them the pages they bring into the
// system's cache, so that a search through large files does not push the user's
// working set out of it: a file of at least kDropBehindFrom bytes whose middle page
// is not cached (its start may be, from a read of its first chunk) was not in use.
inline constexpr std::uint64_t kDropBehindFrom = std::uint64_t{32} << 20;
inline bool DropsBehind(const InputFile& file)
{
    return file.size() >= kDropBehindFrom && !IsPageCached(file, file.size() / 2);
}

// ReadFullyAt, dropping what it read from the system's cache when `dropBehind`.
inline std::int64_t ReadFullyAt(InputFile& file, void* buffer, std::size_t length,
                                std::uint64_t offset, bool dropBehind)
{
    const std::int64_t got = ReadFullyAt(file, buffer, length, offset);
    if (dropBehind && got > 0)
        AdviseReadDone(file, offset, static_cast<std::uint64_t>(got));
    return got;
}

} // namespace quorvex::platform
