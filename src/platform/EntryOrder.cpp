#include "platform/AsciiText.h"
#include "platform/FileSystem.h"

namespace quorvex::platform {

int CompareEntryNames(std::string_view a, std::string_view b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    int firstByteDifference = 0;
    for (std::size_t i = 0; i < common; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb)
            continue;
        const unsigned char fa = FoldAscii(ca);
        const unsigned char fb = FoldAscii(cb);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        if (firstByteDifference == 0)
            firstByteDifference = ca < cb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return firstByteDifference;
}

} // namespace quorvex::platform
