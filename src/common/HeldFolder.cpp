#include "common/HeldFolder.h"

#include <string>

#include "platform/PathText.h"

namespace quorvex {

bool HeldFolder::open(std::string_view folder, std::string_view name, platform::InputFile& file)
{
    if (folder_.path() != folder && !folder_.open(folder))
        return file.open(std::string(folder) + std::string(name));
    return file.open(folder_, name);
}

bool HeldFolder::open(std::string_view path, platform::InputFile& file)
{
    const std::size_t separator = path.rfind(platform::kSeparator);
    if (separator == std::string_view::npos)
        return file.open(path);
    return open(path.substr(0, separator + 1), path.substr(separator + 1), file);
}

} // namespace quorvex
