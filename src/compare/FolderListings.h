#pragma once
// Listings of one side's folders, keyed by relative folder path, so that a run lists
// every folder once: the counting pass fills it, the walks and the counterpart
// lookups read it, and each listing is dropped as soon as no later step needs it.

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/FileSystem.h"

namespace quorvex {

struct FolderListing
{
    bool listed = false; // false: the folder could not be listed
    std::string failure; // why, when not listed
    std::vector<platform::DirEntry> entries;

    // The entry of that exact name (not "." or ".."), or null.
    const platform::DirEntry* find(std::string_view name) const;
};

class FolderListings
{
public:
    // The counting pass keeps its listings only while fewer than `entryBudget`
    // entries are held, which bounds the memory of huge trees (their folders are
    // then listed again by the walks).
    explicit FolderListings(std::size_t entryBudget) : budget_(entryBudget) {}

    // The listing of `root` + `relative`, listed now when not held; it stays held
    // (the reference valid) until release().
    const FolderListing& get(const std::string& root, const std::string& relative);
    bool holds(const std::string& relative) const { return held_.count(relative) != 0; }
    bool overBudget() const { return heldEntries_ > budget_; }
    void release(const std::string& relative);

private:
    std::size_t budget_;
    std::size_t heldEntries_ = 0;
    std::unordered_map<std::string, FolderListing> held_;
};

} // namespace quorvex
