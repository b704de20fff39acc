#include "duplicates/SearchWalk.h"

#include <algorithm>
#include <vector>

#include "common/WorkerPool.h"
#include "duplicates/ListingsAhead.h"

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
    std::string_view root, const FilterSettings& filters, RunObserver& observer, unsigned threads,
    const std::function<void(const std::string& folder)>& onFolder,
    const std::function<void(const std::string& folder, const platform::DirEntry& entry)>& onFile)
{
    const unsigned cores = ProcessorCores();
    ListingsAhead pending(threads == 0 ? cores - 1 : std::min(threads, cores) - 1);
    pending.push(platform::WithOneTrailingSeparator(root));
    ListingsAhead::Listing listing;
    std::vector<std::string> subfolders;
    while (!pending.empty() && !observer.cancelRequested()) {
        pending.pop(listing);
        const std::string& folder = listing.folder;
        if (!listing.listed) {
            observer.cannotRead(folder, listing.failure);
            continue;
        }
        onFolder(folder);
        subfolders.clear();
        for (const platform::DirEntry& entry : listing.entries) {
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
            pending.push(folder + *it + platform::kSeparator);
    }
}

} // namespace quorvex
