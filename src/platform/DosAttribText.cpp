#include "platform/DosAttribText.h"

#include <cstdio>

namespace quorvex::platform {

std::optional<std::uint32_t> ParseDosAttribText(std::string_view text)
{
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    std::uint32_t value = 0;
    std::size_t digits = 0;
    for (std::size_t i = 2; i < text.size() && text[i] != '\0'; ++i, ++digits) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        if (digits >= 8)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

std::string FormatDosAttribText(std::uint32_t attributes)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", attributes);
    return text;
}

} // namespace quorvex::platform
