#include "platform/PathText.h"

#include <windows.h>

#include <vector>

#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

bool IsDriveLetter(char c)
{
    const char lower = static_cast<char>(c | 0x20);
    return lower >= 'a' && lower <= 'z';
}

// The position just after the separator that ends the component starting at `from`,
// or the end of the path.
std::size_t AfterComponent(std::string_view path, std::size_t from)
{
    while (from < path.size() && !IsSeparatorAt(path, from))
        ++from;
    return from < path.size() ? from + 1 : from;
}

} // namespace

bool IsSeparatorAt(std::string_view path, std::size_t position)
{
    return position < path.size() && (path[position] == '\\' || path[position] == '/');
}

std::size_t RootLength(std::string_view path)
{
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && IsSeparatorAt(path, 2))
        return 3;
    if (IsSeparatorAt(path, 0) && IsSeparatorAt(path, 1)) // \\server\share\ .
        return AfterComponent(path, AfterComponent(path, 2));
    return 0;
}

std::string AbsolutePath(std::string_view path)
{
    if (IsAbsolutePath(path) || path.empty())
        return std::string(path);
    // The system's own rule also covers "\folder" (the current drive's root) and
    // "C:folder" (the current folder of drive C:).
    const std::wstring wide = win32::Widen(path);
    const DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (needed == 0)
        return std::string(path);
    std::vector<wchar_t> full(needed);
    const DWORD length = GetFullPathNameW(wide.c_str(), needed, full.data(), nullptr);
    if (length == 0 || length >= needed)
        return std::string(path);
    return win32::Narrow(std::wstring_view(full.data(), length));
}

} // namespace quorvex::platform
