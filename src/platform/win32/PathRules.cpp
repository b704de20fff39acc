#include "platform/PathText.h"

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

} // namespace quorvex::platform
