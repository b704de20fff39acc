#include "compare/FolderListings.h"

#include <algorithm>

#include "platform/FailureReason.h"

namespace quorvex {

namespace {

// No attribute word of an entry: the system's own mark of invalid attributes.
constexpr std::uint32_t kNoCounterpart = 0xFFFFFFFFu;

} // namespace

ListedEntry ListedEntryOf(const platform::DirEntry& entry)
{
    return {entry.name, entry.attributes, entry.size, entry.lastWrite.seconds};
}

void FolderListing::hold(const std::vector<platform::DirEntry>& listing)
{
    const std::size_t count = listing.size() > 2 ? listing.size() - 2 : 0;
    std::size_t nameBytes = 0;
    for (std::size_t index = 2; index < listing.size(); ++index)
        nameBytes += listing[index].name.size();
    records_.clear();
    records_.reserve(count);
    names_.clear();
    names_.reserve(nameBytes);
    for (std::size_t index = 2; index < listing.size(); ++index) {
        const platform::DirEntry& entry = listing[index];
        records_.push_back({entry.size, entry.lastWrite.seconds, entry.attributes,
                            static_cast<std::uint32_t>(names_.size())});
        names_ += entry.name;
    }
}

std::string_view FolderListing::nameAt(std::size_t index) const
{
    const std::size_t end =
        index + 1 < records_.size() ? records_[index + 1].nameOffset : names_.size();
    return std::string_view(names_).substr(records_[index].nameOffset,
                                           end - records_[index].nameOffset);
}

ListedEntry FolderListing::entry(std::size_t index) const
{
    const Record& record = records_[index];
    return {nameAt(index), record.attributes, record.size, record.lastWrite};
}

std::optional<ListedEntry> FolderListing::find(std::string_view name) const
{
    // The entries are sorted by CompareEntryNames, which is zero only for identical
    // names.
    std::size_t low = 0, high = records_.size();
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (platform::CompareEntryNames(nameAt(middle), name) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    if (low < records_.size() && nameAt(low) == name)
        return entry(low);
    return std::nullopt;
}

std::size_t FolderListing::heldBytes() const
{
    return records_.capacity() * sizeof(Record) + names_.capacity() +
           counterpartAttributes_.capacity() * sizeof(std::uint32_t);
}

void FolderListing::noteCounterparts(const FolderListing& other)
{
    counterpartAttributes_.clear();
    counterpartAttributes_.reserve(records_.size());
    for (std::size_t index = 0; index < records_.size(); ++index) {
        const std::optional<ListedEntry> counterpart = other.find(nameAt(index));
        counterpartAttributes_.push_back(counterpart ? counterpart->attributes : kNoCounterpart);
    }
    notesCounterparts_ = true;
}

std::optional<std::uint32_t> FolderListing::counterpartAttributes(std::size_t index) const
{
    const std::uint32_t attributes = counterpartAttributes_[index];
    return attributes == kNoCounterpart ? std::nullopt : std::optional<std::uint32_t>(attributes);
}

const FolderListing& FolderListings::get(const std::string& root, const std::string& relative)
{
    auto [it, added] = held_.try_emplace(relative);
    if (added) {
        FolderListing& listing = it->second;
        listing.listed = platform::ListDirectory(root + relative, scratch_);
        if (listing.listed)
            listing.hold(scratch_);
        else
            listing.failure = platform::LastFailureText();
        heldEntries_ += listing.size();
    }
    return it->second;
}

std::size_t FolderListings::release(const std::string& relative)
{
    auto it = held_.find(relative);
    if (it == held_.end())
        return 0;
    const std::size_t bytes = it->second.heldBytes();
    heldEntries_ -= std::min(heldEntries_, it->second.size());
    held_.erase(it);
    return bytes;
}

void FolderListings::noteCounterparts(const std::string& relative, const FolderListing& other)
{
    if (auto it = held_.find(relative); it != held_.end() && it->second.listed)
        it->second.noteCounterparts(other);
}

} // namespace quorvex
