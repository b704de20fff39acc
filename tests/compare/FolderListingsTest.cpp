// A held listing: its entries by index and by name, what it costs, and the notes of
// the other side's entries.
#include <gtest/gtest.h>

#include <algorithm>

#include "compare/FolderListings.h"

using namespace quorvex;

namespace {

platform::DirEntry entry(std::string name, std::uint32_t attributes, std::uint64_t size = 0)
{
    platform::DirEntry made;
    made.name = std::move(name);
    made.attributes = attributes;
    made.size = size;
    made.lastWrite.seconds = 1700000000 + static_cast<std::int64_t>(size);
    return made;
}

// "." and "..", then the entries in listing order.
std::vector<platform::DirEntry> listing(std::vector<platform::DirEntry> entries)
{
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return platform::CompareEntryNames(a.name, b.name) < 0;
    });
    entries.insert(entries.begin(),
                   {entry(".", platform::kAttrDirectory), entry("..", platform::kAttrDirectory)});
    return entries;
}

} // namespace

TEST(FolderListing, FindsEachNameExactlyAndHoldsARecordAndTheNamePerEntry)
{
    // Names that are prefixes of each other or differ only in case.
    const std::vector<platform::DirEntry> listed =
        listing({entry("ab", 0x20, 3), entry("a", 0x20, 1), entry("B", 0x10),
                 entry("a.txt", 0x22, 2), entry("b.txt", 0x20, 5), entry("c", 0x20, 6)});
    FolderListing held;
    held.hold(listed);
    ASSERT_EQ(held.size(), listed.size() - 2);
    std::size_t nameBytes = 0;
    for (std::size_t index = 0; index < held.size(); ++index) {
        const platform::DirEntry& source = listed[index + 2];
        nameBytes += source.name.size();
        EXPECT_EQ(held.entry(index).name, source.name);
        const std::optional<ListedEntry> found = held.find(source.name);
        ASSERT_TRUE(found) << source.name;
        EXPECT_EQ(found->name, source.name);
        EXPECT_EQ(found->attributes, source.attributes);
        EXPECT_EQ(found->size, source.size);
        EXPECT_EQ(found->lastWrite, source.lastWrite.seconds);
    }
    for (const char* missing : {"", "A", "a.tx", "abc", "b", "d"})
        EXPECT_FALSE(held.find(missing)) << missing;
    // A record of a size, a time, an attribute word and a name offset.
    EXPECT_LE(held.heldBytes(), held.size() * 24 + nameBytes);
}

TEST(FolderListing, NotesTheAttributesOfTheOtherSidesEntries)
{
    FolderListing own, other;
    own.hold(listing({entry("both", 0x20), entry("own", 0x20), entry("folder", 0x10)}));
    other.hold(listing({entry("both", 0x22), entry("folder", 0x10), entry("other", 0x20)}));
    EXPECT_FALSE(own.notesCounterparts());
    own.noteCounterparts(other);
    ASSERT_TRUE(own.notesCounterparts());
    for (std::size_t index = 0; index < own.size(); ++index) {
        const std::optional<ListedEntry> counterpart = other.find(own.entry(index).name);
        EXPECT_EQ(own.counterpartAttributes(index),
                  counterpart ? std::optional<std::uint32_t>(counterpart->attributes)
                              : std::nullopt)
            << own.entry(index).name;
    }
    EXPECT_EQ(own.counterpartAttributes(0), 0x22u); // "both"
}
