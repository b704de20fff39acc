#include "platform/win32/WideText.h"

#include <cstdint>

#include "platform/PathText.h"

namespace quorvex::platform::win32 {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;
// Longer paths need the prefix; 248 is the limit for folders that CreateDirectoryW
// names (room for an 8.3 name), the shortest of the plain calls.
constexpr std::size_t kPlainPathLimit = 247;

// Decodes one character at `i` (advanced past it); U+FFFD for a byte that starts none.
std::uint32_t DecodeAt(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int length = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (length < 0 || lead > 0xF4 || i + length > text.size())
        return kReplacement;
    std::uint32_t code = lead & (0x3F >> length);
    for (int k = 0; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return kReplacement;
        code = code << 6 | (next & 0x3F);
    }
    constexpr std::uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF)
        return kReplacement;
    i += length;
    return code;
}

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsHighSurrogate(std::uint32_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(std::uint32_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace

std::wstring Widen(std::string_view utf8)
{
    std::wstring wide;
    wide.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::uint32_t code = DecodeAt(utf8, i);
        if (code < 0x10000) {
            wide += static_cast<wchar_t>(code);
        } else {
            wide += static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return wide;
}

std::string Narrow(std::wstring_view wide)
{
    std::string utf8;
    utf8.reserve(wide.size() * 3 / 2);
    for (std::size_t i = 0; i < wide.size(); ++i) {
        std::uint32_t code = static_cast<std::uint16_t>(wide[i]);
        if (IsHighSurrogate(code) && i + 1 < wide.size()) {
            const std::uint32_t low = static_cast<std::uint16_t>(wide[i + 1]);
            if (IsLowSurrogate(low)) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        AppendUtf8(utf8, code);
    }
    return utf8;
}

std::wstring WidePath(std::string_view path)
{
    std::wstring wide = Widen(path);
    const std::size_t root = RootLength(path);
    if (wide.size() <= kPlainPathLimit || root == 0 || wide.rfind(L"\\\\?\\", 0) == 0)
        return wide;
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    if (wide.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + wide.substr(2);
    return L"\\\\?\\" + wide;
}

} // namespace quorvex::platform::win32
