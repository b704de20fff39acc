#pragma once
// The text of one registry key as an exported registry file holds it:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Vorle\Quorvex]
//   "name"="text with \\ \" \r \n escapes"
//   "count"=dword:0000002a
//
// Values of other types (hex:, hex(2): ...) are kept verbatim so that a rewrite
// loses nothing. `@` names the default value (an empty name).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

struct RegistryValue
{
    enum class Kind
    {
        String,
        Dword,
        Other
    };
    std::string name;
    Kind kind = Kind::String;
    std::string text;        // String: the text; Other: everything after "="
    std::uint32_t dword = 0; // Dword

    bool operator==(const RegistryValue&) const = default;
};

struct ParsedRegistryText
{
    std::vector<RegistryValue> values;
    bool complete = false; // false when parsing stopped at a damaged line
};

// Parses the values under the section `keyName` (e.g. HKEY_CURRENT_USER\Software\Vorle\Quorvex),
// compared without letter case.
// Each line is decoded on its own (DecodeLegacyLine), so a line that is no text in
// any known encoding keeps its bytes. Stops at the first line it cannot understand,
// or at a last line without a line break that is not visibly complete (a file cut
// off while it was written), and keeps what came before.
ParsedRegistryText ParseRegistryText(std::string_view text, std::string_view keyName);
// A key file's bytes: UTF-16 with its byte order mark (as Windows exports keys), else
// UTF-8 or CP932 line by line. `complete` is also false when UTF-16 that is no text
// had to be replaced, as a rewrite could not give those bytes back.
ParsedRegistryText ParseRegistryFile(std::string_view bytes, std::string_view keyName);
std::string FormatRegistryText(std::string_view keyName, const std::vector<RegistryValue>& values);

// Registry names compare without regard to ASCII letter case.
bool SameRegistryName(std::string_view a, std::string_view b);

} // namespace quorvex::platform
