#include "duplicates/SearchWalk.h"

#include <vector>

#include "platform/FailureReason.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

bool PassesMaskRule(const std::string& name, const FilterSettings& filters)
{
    return !filters.useMasks ||
           PassesMaskFilter(ExtensionKey(name, ExtensionRule::FirstDot), filters);
}

} // namespace

void WalkSearchTree(
    std::string_view root, const FilterSettings& filters, RunObserver& observer,
    const std::function<void(const std::string& folder)>& onFolder,
    const std::function<void(const std::string& folder, const platform::DirEntry& entry)>& onFile)
{
    std::vector<std::string> pending{platform::WithOneTrailingSeparator(root)};
    std::vector<platform::DirEntry> entries;
    std::vector<std::string> subfolders;
    while (!pending.empty() && !observer.cancelRequested()) {
        const std::string folder = std::move(pending.back());
        pending.pop_back();
        if (!platform::ListDirectory(folder, entries)) {
            observer.cannotRead(folder, platform::LastFailureText());
            continue;
        }
        onFolder(folder);
        subfolders.clear();
        for (const platform::DirEntry& entry : entries) {
            if (entry.isDirectory()) {
                if (!entry.isDotName() && (entry.attributes & platform::kAttrReparsePoint) == 0 &&
                    PassesAttributeFilter(entry.attributes, filters))
                    subfolders.push_back(entry.name);
                continue;
            }
            if (observer.cancelRequested())
                break;
            if (PassesAttributeFilter(entry.attributes, filters) &&
                PassesMaskRule(entry.name, filters))
                onFile(folder, entry);
        }
        // The stack holds the subfolders in reverse, so the first one is walked next.
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
            pending.push_back(folder + *it + platform::kSeparator);
    }
}

} // namespace quorvex
