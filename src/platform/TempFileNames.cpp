#include "platform/TempFileNames.h"

#include <vector>

#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex::platform {

namespace {
constexpr std::size_t kMaxNameBytes = 255;
} // namespace

std::string TempPathBeside(std::string_view path)
{
    const std::size_t separator = FindLastSeparator(path);
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    const std::string suffix = NewTempSuffix();
    std::string_view name = path.substr(nameStart);
    const std::size_t room = kMaxNameBytes - kTempInfix.size() - suffix.size();
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 1 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name = name.substr(0, cut);
    }
    return std::string(path.substr(0, nameStart)) + std::string(name) + std::string(kTempInfix) +
           suffix;
}

std::string_view TempTargetName(std::string_view name)
{
    const std::size_t infix = name.rfind(kTempInfix);
    if (infix == std::string_view::npos || infix == 0 ||
        !IsTempSuffix(name.substr(infix + kTempInfix.size())))
        return {};
    return name.substr(0, infix);
}

bool IsTempFilePath(std::string_view path)
{
    const std::size_t separator = FindLastSeparator(path);
    return !TempTargetName(separator == std::string_view::npos ? path : path.substr(separator + 1))
                .empty();
}

void RemoveTempFilesBeside(const std::string& target)
{
    const std::size_t separator = FindLastSeparator(target);
    if (separator == std::string::npos)
        return;
    const std::string folder = target.substr(0, separator + 1);
    const std::string prefix = target.substr(separator + 1) + std::string(kTempInfix);
    std::vector<DirEntry> entries;
    if (!ListDirectory(folder, entries))
        return;
    for (const DirEntry& entry : entries) {
        const std::string_view name = entry.name;
        if (name.substr(0, prefix.size()) == prefix && IsTempSuffix(name.substr(prefix.size())) &&
            !entry.isDirectory() && (entry.attributes & kAttrReparsePoint) == 0)
            (void)DeleteRegularFile(folder + entry.name);
    }
}

} // namespace quorvex::platform
