#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "platform/DosTime.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

using ::testing::ElementsAre;

std::vector<DirEntry> List(const std::string& folder)
{
    std::vector<DirEntry> entries;
    EXPECT_TRUE(ListDirectory(folder, entries)) << folder;
    return entries;
}

std::vector<std::string> Names(const std::vector<DirEntry>& entries)
{
    std::vector<std::string> names;
    for (const DirEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

const DirEntry& Find(const std::vector<DirEntry>& entries, const std::string& name)
{
    for (const DirEntry& entry : entries)
        if (entry.name == name)
            return entry;
    throw std::runtime_error("not listed: " + name);
}

TEST(Listing, DotEntriesFirstThenCaseInsensitiveThenByBytes)
{
    test::TempTree t;
    for (const char* name : {"b", "B", "a", "_x", "\xc3\xa4", "A", "ab", "Aa"})
        t.file(name);
    const auto entries = List(t.root());
    EXPECT_THAT(Names(entries),
                ElementsAre(".", "..", "_x", "A", "a", "Aa", "ab", "B", "b", "\xc3\xa4"));

    EXPECT_LT(CompareEntryNames("abc", "ABD"), 0);
    EXPECT_GT(CompareEntryNames("abc", "AB"), 0);
    EXPECT_EQ(CompareEntryNames("Abc", "Abc"), 0);
    EXPECT_NE(CompareEntryNames("Abc", "abc"), 0);
}

TEST(Listing, DotEntriesCarryTheListedFoldersWord)
{
    test::TempTree t;
    t.dir(".hidden/ro");
    t.setReadOnly(".hidden/ro", true);
    t.setDosAttrib(".hidden", 0x04);

    auto entries = List(t.path(".hidden/ro"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].attributes, 0x11u);
    EXPECT_EQ(entries[1].attributes, 0x11u);

    // The hidden-by-name rule does not apply to "." and "..", the xattr does.
    entries = List(t.path(".hidden/"));
    EXPECT_EQ(entries[0].attributes, 0x14u);
    EXPECT_EQ(Find(entries, "ro").attributes, 0x11u);
    EXPECT_EQ(Find(List(t.root()), ".hidden").attributes, 0x16u);
}

TEST(Listing, AttributeWordsOfEveryKindOfEntry)
{
    test::TempTree t;
    t.file("plain.txt", "12345", "2001-02-03 04:05:06");
    t.file(".dotfile", "x");
    t.dir(".dotdir");
    t.dir("folder");
    t.file("readonly.txt", "x");
    t.setReadOnly("readonly.txt", true);
    t.fifo("pipe");
    t.symlink("link-to-file", "plain.txt");
    t.symlink("link-to-folder", "folder");
    t.symlink("dangling", "missing");
    t.symlink(".dangling", "missing");

    const auto entries = List(t.root());
    EXPECT_EQ(Find(entries, "plain.txt").attributes, 0x20u);
    EXPECT_EQ(Find(entries, "plain.txt").size, 5u);
    EXPECT_EQ(Find(entries, "plain.txt").lastWrite.seconds,
              test::LocalTimeToEpoch("2001-02-03 04:05:06"));
    EXPECT_EQ(Find(entries, ".dotfile").attributes, 0x22u);
    EXPECT_EQ(Find(entries, ".dotdir").attributes, 0x12u);
    EXPECT_EQ(Find(entries, "folder").attributes, 0x10u);
    EXPECT_EQ(Find(entries, "folder").size, 0u);
    EXPECT_EQ(Find(entries, "readonly.txt").attributes, 0x21u);
    EXPECT_EQ(Find(entries, "pipe").attributes, 0x04u);

    // A link is described by its target, plus the reparse bit.
    const DirEntry& fileLink = Find(entries, "link-to-file");
    EXPECT_EQ(fileLink.attributes, 0x420u);
    EXPECT_EQ(fileLink.size, 5u);
    EXPECT_EQ(fileLink.lastWrite.seconds, test::LocalTimeToEpoch("2001-02-03 04:05:06"));
    EXPECT_EQ(Find(entries, "link-to-folder").attributes, 0x410u);

    // A dangling link is a file of size 0 with the link's own time.
    t.setTime("dangling", "2010-10-10 10:10:10");
    const DirEntry dangling = *LookupEntry(t.path("dangling"));
    EXPECT_EQ(dangling.attributes, 0x400u);
    EXPECT_EQ(dangling.size, 0u);
    EXPECT_EQ(dangling.lastWrite.seconds, test::LocalTimeToEpoch("2010-10-10 10:10:10"));
    EXPECT_EQ(Find(entries, ".dangling").attributes, 0x402u);
}

TEST(Listing, DosAttribXattrGivesHiddenSystemArchiveTemporary)
{
    test::TempTree t;
    t.file("hidden");
    t.setDosAttrib("hidden", 0x02); // archive cleared by the xattr
    t.file("normal");
    t.setDosAttrib("normal", 0x00);
    t.file("temp");
    t.setDosAttrib("temp", 0x120);
    t.file("readonly-in-xattr-only");
    t.setDosAttrib("readonly-in-xattr-only", 0x21); // read-only comes from the mode alone
    t.dir("sysdir");
    t.setDosAttrib("sysdir", 0x14);
    t.file("garbage");
    ASSERT_EQ(::setxattr(t.path("garbage").c_str(), "user.DOSATTRIB", "zz", 2, 0), 0);
    // The binary form of other software begins with the same NUL-terminated text.
    t.file("binary");
    const char blob[] = "0x22\0\x03\x00\x11\x22\x33\x44";
    ASSERT_EQ(::setxattr(t.path("binary").c_str(), "user.DOSATTRIB", blob, sizeof blob, 0), 0);

    const auto entries = List(t.root());
    EXPECT_EQ(Find(entries, "hidden").attributes, 0x02u);
    EXPECT_EQ(Find(entries, "normal").attributes, 0x80u);
    EXPECT_EQ(Find(entries, "temp").attributes, 0x120u);
    EXPECT_EQ(Find(entries, "readonly-in-xattr-only").attributes, 0x20u);
    EXPECT_EQ(Find(entries, "sysdir").attributes, 0x14u);
    EXPECT_EQ(Find(entries, "garbage").attributes, 0x20u);
    EXPECT_EQ(Find(entries, "binary").attributes, 0x22u);
    EXPECT_EQ(GetAttributes(t.path("temp")), 0x120u);
}

TEST(Listing, NonUtf8NamesKeepTheirBytes)
{
    test::TempTree t;
    const std::string name = "caf\xe9-\xff\xfe.txt";
    const std::string path = t.root() + name;
    const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "abc", 3), 3);
    ::close(fd);
    t.dir(std::string("d\x81\x5c"));

    const auto entries = List(t.root());
    EXPECT_THAT(Names(entries), ElementsAre(".", "..", name, "d\x81\x5c"));
    EXPECT_EQ(Find(entries, name).size, 3u);
    EXPECT_TRUE(IsExistingFile(path));
    EXPECT_TRUE(IsExistingFolder(t.root() + "d\x81\x5c/"));
    EXPECT_EQ(List(t.root() + "d\x81\x5c").size(), 2u);
    EXPECT_EQ(LookupEntry(path)->name, name);
    InputFile file;
    EXPECT_TRUE(file.open(path));
    EXPECT_TRUE(DeleteRegularFile(path));
    EXPECT_FALSE(IsExistingFile(path));
}

TEST(Listing, FailuresLeaveTheResultEmpty)
{
    test::TempTree t;
    t.file("a/file");
    std::vector<DirEntry> entries{DirEntry{}};
    EXPECT_FALSE(ListDirectory(t.path("missing"), entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(ListDirectory(t.path("a/file"), entries));

    SetFaultHook([&](FaultPoint point, std::string_view path) {
        return point == FaultPoint::List && path == t.path("a/");
    });
    EXPECT_FALSE(ListDirectory(t.path("a/"), entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_EQ(LastFailureText(), std::strerror(EACCES));
    EXPECT_TRUE(ListDirectory(t.root(), entries));
    SetFaultHook(nullptr);
    EXPECT_TRUE(ListDirectory(t.path("a/"), entries));
}

TEST(Listing, AListingThatBreaksOffIsNoListing)
{
    test::TempTree t;
    for (const char* name : {"a", "b", "c", "d"})
        t.file(std::string("folder/") + name);
    int asked = 0;
    SetFaultHook([&](FaultPoint point, std::string_view) {
        return point == FaultPoint::ListNext && ++asked == 3;
    });
    std::vector<DirEntry> entries;
    EXPECT_FALSE(ListDirectory(t.path("folder"), entries));
    SetFaultHook(nullptr);
    EXPECT_TRUE(entries.empty()) << "a part would show the folder with fewer entries";
    EXPECT_EQ(LastFailureText(), std::strerror(EIO));
    EXPECT_EQ(asked, 3);
}

TEST(Lookup, AnEntryThatVanishedIsNotFound)
{
    test::TempTree t;
    t.file("here");
    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Lookup; });
    EXPECT_FALSE(LookupEntry(t.path("here")));
    EXPECT_FALSE(IsExistingFile(t.path("here")));
    SetFaultHook(nullptr);
    EXPECT_TRUE(IsExistingFile(t.path("here")));
}

TEST(Lookup, SingleEntriesByFullPath)
{
    test::TempTree t;
    t.file("dir/.name", "xy");
    t.symlink("folder-link", "dir");
    t.symlink("dangling", "missing");

    const auto entry = LookupEntry(t.path("dir/.name"));
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->name, ".name");
    EXPECT_EQ(entry->attributes, 0x22u);
    EXPECT_EQ(entry->size, 2u);
    EXPECT_EQ(LookupEntry(t.path("dir/"))->name, "dir");
    EXPECT_EQ(LookupEntry("/")->attributes & kAttrDirectory, kAttrDirectory);
    EXPECT_FALSE(LookupEntry(t.path("nothing")));
    EXPECT_FALSE(LookupEntry(""));
    EXPECT_FALSE(GetAttributes(t.path("nothing")));

    EXPECT_TRUE(IsExistingFolder(t.path("dir")));
    EXPECT_TRUE(IsExistingFolder(t.path("folder-link")));
    EXPECT_FALSE(IsExistingFile(t.path("dir")));
    EXPECT_TRUE(IsExistingFile(t.path("dangling")));
    EXPECT_FALSE(IsExistingFolder(t.path("dir/.name")));
    EXPECT_FALSE(IsExistingFile(t.path("nothing")));
}

} // namespace
} // namespace quorvex::platform
