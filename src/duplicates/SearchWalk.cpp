#include "duplicates/SearchWalk.h"

#include <algorithm>
#include <vector>

#include "common/WorkerPool.h"
#include "duplicates/ListingsAhead.h"

#include "platform/PathText.h"
#include "platform/TempFileNames.h"

namespace quorvex {

namespace {

bool PassesMaskRule(const std::string& name, const FilterSettings& filters)
{
    return !filters.useMasks ||
           PassesMaskFilter(ExtensionKey(name, ExtensionRule::FirstDot), filters);
}

// A rewrite's temporary file beside the file it replaces: another run's work in
// progress (or a killed run's, removed at the next start), never a user's file.
bool IsRewriteInProgress(const platform::DirEntry& entry,
                         const std::vector<platform::DirEntry>& folderEntries)
{
    const std::string_view target = platform::TempTargetName(entry.name);
    return !target.empty() &&
           std::any_of(folderEntries.begin(), folderEntries.end(),
                       [target](const platform::DirEntry& other) { return other.name == target; });
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
                PassesMaskRule(entry.name, filters) && !IsRewriteInProgress(entry, listing.entries))
                onFile(folder, entry);
        }
        // The stack holds the subfolders in reverse, so the first one is walked next.
        for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it)
            pending.push(folder + *it + platform::kSeparator);
    }
}

} // namespace quorvex
