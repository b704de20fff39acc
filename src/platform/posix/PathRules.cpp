#include "platform/PathText.h"

namespace quorvex::platform {

bool IsSeparatorAt(std::string_view path, std::size_t position)
{
    return position < path.size() && path[position] == '/';
}

std::size_t RootLength(std::string_view path)
{
    return IsSeparatorAt(path, 0) ? 1 : 0;
}

} // namespace quorvex::platform
