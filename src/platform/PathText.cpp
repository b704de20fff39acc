#include "platform/PathText.h"

namespace quorvex::platform {

std::string WithTrailingSeparator(std::string_view path)
{
    std::string result(path);
    if (!result.empty() && !IsSeparatorAt(result, result.size() - 1))
        result += kSeparator;
    return result;
}

std::string_view WithoutTrailingSeparators(std::string_view path)
{
    while (path.size() > RootLength(path) && IsSeparatorAt(path, path.size() - 1))
        path.remove_suffix(1);
    return path;
}

std::string WithOneTrailingSeparator(std::string_view path)
{
    return WithTrailingSeparator(WithoutTrailingSeparators(path));
}

std::size_t FindLastSeparator(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsSeparatorAt(path, i - 1))
            return i - 1;
    return std::string_view::npos;
}

std::string_view LastComponent(std::string_view path)
{
    path = WithoutTrailingSeparators(path);
    const std::size_t separator = FindLastSeparator(path);
    if (path.size() <= RootLength(path) || separator == std::string_view::npos)
        return path;
    return path.substr(separator + 1);
}

std::string_view ParentFolder(std::string_view path)
{
    path = WithoutTrailingSeparators(path);
    const std::size_t root = RootLength(path);
    const std::size_t separator = FindLastSeparator(path);
    if (path.size() <= root || separator == std::string_view::npos)
        return path;
    if (separator < root)
        return path.substr(0, root);
    return WithoutTrailingSeparators(path.substr(0, separator));
}

} // namespace quorvex::platform
