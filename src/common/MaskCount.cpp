#include "common/MaskCount.h"

#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex {

std::uint64_t CountMaskedFiles(std::string_view folder, const FilterSettings& settings)
{
    // The order of visiting does not change a count, so a plain work list serves
    // (no recursion, any depth).
    std::vector<std::string> pending{std::string(folder)};
    std::vector<platform::DirEntry> entries;
    std::uint64_t count = 0;
    while (!pending.empty()) {
        std::string path = std::move(pending.back());
        pending.pop_back();
        if (!platform::ListDirectory(path, entries))
            continue;
        path = platform::WithTrailingSeparator(path);
        for (const auto& entry : entries) {
            if (!entry.isDirectory()) {
                if (!settings.useMasks ||
                    PassesMaskFilter(ExtensionKey(entry.name, ExtensionRule::FirstDot), settings))
                    ++count;
            } else if (entry.name.front() != '.' &&
                       !(entry.attributes & platform::kAttrReparsePoint)) {
                pending.push_back(path + entry.name);
            }
        }
    }
    return count;
}

} // namespace quorvex
