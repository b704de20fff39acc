// Questions about one entry, answered by the system's single-entry lookup.

#include "platform/FileSystem.h"

namespace quorvex::platform {

bool IsExistingFolder(std::string_view path)
{
    const std::optional<DirEntry> entry = LookupEntry(path);
    return entry && entry->isDirectory();
}

bool IsExistingFile(std::string_view path)
{
    const std::optional<DirEntry> entry = LookupEntry(path);
    return entry && !entry->isDirectory();
}

std::optional<std::uint32_t> GetAttributes(std::string_view path)
{
    const std::optional<DirEntry> entry = LookupEntry(path);
    if (!entry)
        return std::nullopt;
    return entry->attributes;
}

} // namespace quorvex::platform
