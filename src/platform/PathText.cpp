#include "platform/PathText.h"

#include <vector>

namespace quorvex::platform {

std::string WithTrailingSeparator(std::string_view path)
{
    std::string result(path);
    if (!result.empty() && !IsSeparatorAt(result, result.size() - 1))
        result += kSeparator;
    return result;
}

bool LiesWithinAny(std::string_view path, const std::set<std::string, std::less<>>& folders)
{
    for (std::size_t end = path.size(); end > 0; --end)
        if ((end == path.size() || IsSeparatorAt(path, end)) && folders.contains(path.substr(0, end)))
            return true;
    return false;
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

std::string NormalPath(std::string_view given)
{
    const std::string absolute = AbsolutePath(given);
    const std::size_t root = RootLength(absolute);
    std::vector<std::string_view> names;
    for (std::size_t start = root; start < absolute.size();) {
        std::size_t end = start;
        while (end < absolute.size() && !IsSeparatorAt(absolute, end))
            ++end;
        const std::string_view name = std::string_view(absolute).substr(start, end - start);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::string path = absolute.substr(0, root);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0 || (!path.empty() && !IsSeparatorAt(path, path.size() - 1)))
            path += kSeparator;
        path += names[i];
    }
    const bool folder = absolute.size() > root && IsSeparatorAt(absolute, absolute.size() - 1);
    return folder ? WithTrailingSeparator(path) : path;
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
