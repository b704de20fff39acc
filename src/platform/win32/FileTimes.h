#pragma once
// FILETIME (100-nanosecond steps since 1601, UTC) and the layer's FileTime.

#include <windows.h>

#include "platform/FileSystem.h"

namespace quorvex::platform::win32 {

// Seconds from 1601-01-01 to 1970-01-01.
inline constexpr std::int64_t kEpochDifference = 11644473600;

inline FileTime FromFiletime(const FILETIME& time)
{
    const std::int64_t ticks = static_cast<std::int64_t>(
        static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime);
    return FileTime{ticks / 10'000'000 - kEpochDifference,
                    static_cast<std::int32_t>(ticks % 10'000'000 * 100)};
}

inline FILETIME ToFiletime(FileTime time)
{
    const auto ticks = static_cast<std::uint64_t>((time.seconds + kEpochDifference) * 10'000'000 +
                                                  time.nanoseconds / 100);
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

} // namespace quorvex::platform::win32
