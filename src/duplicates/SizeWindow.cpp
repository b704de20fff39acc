#include "duplicates/SizeWindow.h"

#include <algorithm>

namespace quorvex {

std::pair<std::uint64_t, std::uint64_t> SizeWindow(std::uint64_t size, int threshold)
{
    using Wide = unsigned __int128;
    if (threshold >= 100)
        return {size, size};
    const Wide low = Wide(size) * threshold / 100;
    const Wide high = Wide(size) * 100 / threshold + 1;
    return {static_cast<std::uint64_t>(low),
            static_cast<std::uint64_t>(std::min<Wide>(high, UINT64_MAX))};
}

} // namespace quorvex
