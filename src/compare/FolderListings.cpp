#include "compare/FolderListings.h"

#include <algorithm>

#include "platform/FailureReason.h"

namespace quorvex {

const platform::DirEntry* FolderListing::find(std::string_view name) const
{
    // Entries after "." and ".." are sorted by CompareEntryNames, which is zero only
    // for identical names.
    if (entries.size() <= 2)
        return nullptr;
    auto it = std::lower_bound(entries.begin() + 2, entries.end(), name,
                               [](const platform::DirEntry& entry, std::string_view key) {
                                   return platform::CompareEntryNames(entry.name, key) < 0;
                               });
    return it != entries.end() && it->name == name ? &*it : nullptr;
}

const FolderListing& FolderListings::get(const std::string& root, const std::string& relative)
{
    auto [it, added] = held_.try_emplace(relative);
    if (added) {
        it->second.listed = platform::ListDirectory(root + relative, it->second.entries);
        if (!it->second.listed)
            it->second.failure = platform::LastFailureText();
        heldEntries_ += it->second.entries.size();
    }
    return it->second;
}

void FolderListings::release(const std::string& relative)
{
    auto it = held_.find(relative);
    if (it == held_.end())
        return;
    heldEntries_ -= std::min(heldEntries_, it->second.entries.size());
    held_.erase(it);
}

} // namespace quorvex
