#pragma once
// Listings of one side's folders, keyed by relative folder path, so that a run lists
// every folder once: the counting pass fills it, the walks and the counterpart
// lookups read it, and each listing is dropped as soon as no later step needs it.
// A held entry is a small record with its name in the listing's one block of names:
// both sides of a tree of a million files are held at once.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/FileSystem.h"

namespace quorvex {

// An entry as the walks read it; the name is valid while its listing is held.
struct ListedEntry
{
    std::string_view name;
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0; // seconds, as FileTime counts them

    bool isDirectory() const { return (attributes & platform::kAttrDirectory) != 0; }
};

ListedEntry ListedEntryOf(const platform::DirEntry& entry);

class FolderListing
{
public:
    bool listed = false; // false: the folder could not be listed
    std::string failure; // why, when not listed

    // Takes the entries of a listing (after "." and "..", sorted by name).
    void hold(const std::vector<platform::DirEntry>& listing);
    std::size_t size() const { return records_.size(); }
    ListedEntry entry(std::size_t index) const;
    // The entry of that exact name, if any.
    std::optional<ListedEntry> find(std::string_view name) const;
    // The bytes the entries hold, allocated room included.
    std::size_t heldBytes() const;

    // Notes, for each entry, the attribute word of the entry of the same name in
    // `other` (the other side's listing of the same folder), so that a walk needs
    // only this listing to tell which entries the other side has.
    void noteCounterparts(const FolderListing& other);
    bool notesCounterparts() const { return notesCounterparts_; }
    // The noted attribute word of the other side's entry; nullopt when it has none.
    std::optional<std::uint32_t> counterpartAttributes(std::size_t index) const;

private:
    struct Record
    {
        std::uint64_t size;
        std::int64_t lastWrite;
        std::uint32_t attributes;
        std::uint32_t nameOffset; // into names_; the name ends where the next one begins
    };
    std::string_view nameAt(std::size_t index) const;

    std::vector<Record> records_;
    std::string names_;
    std::vector<std::uint32_t> counterpartAttributes_; // kNoCounterpart: none
    bool notesCounterparts_ = false;
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
    // Drops the listing; the bytes it held.
    std::size_t release(const std::string& relative);
    // FolderListing::noteCounterparts on the held listing of `relative`, if any.
    void noteCounterparts(const std::string& relative, const FolderListing& other);

private:
    std::size_t budget_;
    std::size_t heldEntries_ = 0;
    std::unordered_map<std::string, FolderListing> held_;
    std::vector<platform::DirEntry> scratch_; // a listing while it is taken
};

} // namespace quorvex
