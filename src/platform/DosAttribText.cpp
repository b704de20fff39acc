#include "platform/DosAttribText.h"

#include <cstdio>

#include "platform/AsciiText.h"

namespace quorvex::platform {

std::optional<std::uint32_t> ParseDosAttribText(std::string_view text)
{
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X'))
        return std::nullopt;
    text.remove_prefix(2);
    return ParseHex32(text.substr(0, text.find('\0')));
}

std::string FormatDosAttribText(std::uint32_t attributes)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", attributes);
    return text;
}

} // namespace quorvex::platform
