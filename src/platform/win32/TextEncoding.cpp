// Text files in the ANSI code page (CP932 on Japanese systems), converted through
// UTF-16 with the system's own tables.

#include <windows.h>

#include <optional>

#include "platform/TextFile.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

bool IsAscii(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

int Length(std::size_t size)
{
    return static_cast<int>(size);
}

// The ANSI code page bytes of `wide`, or nullopt when a character has none.
std::optional<std::string> EncodeAnsi(std::wstring_view wide)
{
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(),
                                           Length(wide.size()), nullptr, 0, nullptr, &lossy);
    if (lossy || length <= 0)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), Length(wide.size()),
                        bytes.data(), length, nullptr, &lossy);
    if (lossy)
        return std::nullopt;
    return bytes;
}

// The text of ANSI code page bytes, or nullopt when they are not text of it.
std::optional<std::wstring> DecodeAnsi(std::string_view bytes)
{
    const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(),
                                           Length(bytes.size()), nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes.data(), Length(bytes.size()),
                        wide.data(), length);
    return wide;
}

bool IsSurrogate(wchar_t unit, wchar_t low, wchar_t high)
{
    return unit >= low && unit <= high;
}

} // namespace

std::string DecodeLegacyLine(std::string_view line)
{
    if (line.empty() || line.front() == '/' || IsValidUtf8(line))
        return std::string(line);
    // A double-byte character whose second byte is 0x5C ("\") decodes whole, so a
    // path in such text ends with a separator only when its last character is one.
    const std::optional<std::wstring> wide = DecodeAnsi(line);
    if (!wide || EncodeAnsi(*wide) != line)
        return std::string(line);
    return win32::Narrow(*wide);
}

std::string EncodeTextLine(std::string_view line)
{
    if (IsAscii(line) || !IsValidUtf8(line))
        return std::string(line); // a line of no encoding goes back as it came
    return EncodeAnsi(win32::Widen(line)).value_or(std::string(line));
}

std::string DecodeUtf16LeText(std::string_view bytes, bool* exact)
{
    std::wstring wide(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<wchar_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    bool whole = bytes.size() % 2 == 0;
    // A lone surrogate is no character: U+FFFD, as the Linux decoder gives.
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (IsSurrogate(wide[i], 0xD800, 0xDBFF) && i + 1 < wide.size() &&
            IsSurrogate(wide[i + 1], 0xDC00, 0xDFFF)) {
            ++i;
        } else if (IsSurrogate(wide[i], 0xD800, 0xDFFF)) {
            wide[i] = 0xFFFD;
            whole = false;
        }
    }
    if (!whole && bytes.size() % 2 != 0)
        wide.push_back(0xFFFD);
    if (exact != nullptr)
        *exact = whole;
    return win32::Narrow(wide);
}

} // namespace quorvex::platform
