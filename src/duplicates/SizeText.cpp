#include "duplicates/SizeText.h"

namespace quorvex {

std::string FormatSizeBytes(std::uint64_t bytes)
{
    const std::string digits = std::to_string(bytes);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text.push_back(',');
        text.push_back(digits[i]);
    }
    return text + "B";
}

std::string FormatSizeShort(std::uint64_t bytes)
{
    constexpr std::uint64_t kKilo = 1024, kMega = kKilo * 1024, kGiga = kMega * 1024;
    const char* unit = "B";
    std::uint64_t divisor = 1;
    if (bytes >= kGiga) {
        unit = "GB";
        divisor = kGiga;
    } else if (bytes >= kMega) {
        unit = "MB";
        divisor = kMega;
    } else if (bytes >= kKilo) {
        unit = "KB";
        divisor = kKilo;
    }
    // "0.##": two decimals at most (rounded half up), trailing zeros and a bare
    // point dropped. Integer arithmetic keeps it exact and free of the locale.
    using Wide = unsigned __int128;
    const auto hundredths = static_cast<std::uint64_t>((Wide(bytes) * 100 + divisor / 2) / divisor);
    std::string text = std::to_string(hundredths / 100);
    const unsigned fraction = static_cast<unsigned>(hundredths % 100);
    if (fraction != 0) {
        text.push_back('.');
        text.push_back(static_cast<char>('0' + fraction / 10));
        if (fraction % 10 != 0)
            text.push_back(static_cast<char>('0' + fraction % 10));
    }
    return text + unit;
}

std::string SizeCellText(std::uint64_t bytes, bool inBytes)
{
    return inBytes ? FormatSizeBytes(bytes) : FormatSizeShort(bytes);
}

} // namespace quorvex
