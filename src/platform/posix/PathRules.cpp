#include "platform/PathText.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace quorvex::platform {

bool IsSeparatorAt(std::string_view path, std::size_t position)
{
    return position < path.size() && path[position] == '/';
}

std::size_t RootLength(std::string_view path)
{
    return IsSeparatorAt(path, 0) ? 1 : 0;
}

std::string AbsolutePath(std::string_view path)
{
    if (IsAbsolutePath(path) || path.empty())
        return std::string(path);
    const std::unique_ptr<char, decltype(&std::free)> folder(::getcwd(nullptr, 0), &std::free);
    if (!folder)
        return std::string(path);
    return WithTrailingSeparator(folder.get()) + std::string(path);
}

} // namespace quorvex::platform
