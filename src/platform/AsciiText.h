#pragma once
// Small ASCII helpers shared by the name order, the registry text and the DOS
// attribute text.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvex::platform {

inline unsigned char FoldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// 1 to 8 hex digits (either letter case) and nothing else.
inline std::optional<std::uint32_t> ParseHex32(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const unsigned char folded = FoldAscii(static_cast<unsigned char>(c));
        std::uint32_t digit;
        if (folded >= '0' && folded <= '9')
            digit = folded - '0';
        else if (folded >= 'a' && folded <= 'f')
            digit = folded - 'a' + 10u;
        else
            return std::nullopt;
        value = value << 4 | digit;
    }
    return value;
}

} // namespace quorvex::platform
