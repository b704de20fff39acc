// Copying a file over to the other folder on Windows (run under Wine by make
// test-windows): the copy takes the source's bytes, time and attributes, a file it
// replaces keeps a second name in the Recycle Bin or under a versioned name beside
// it, and a copy that is refused or fails its check leaves the destination as it was
// and no temporary name.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/FailureReason.h"
#include "platform/FileReplace.h"
#include "platform/FileSystem.h"
#include "platform/TempJournal.h"
#include "platform/UserFolders.h"
#include "platform/win32/CopyEntry.h"
#include "platform/win32/WideText.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string Bytes(const std::string& path)
{
    return Bytes(std::filesystem::path(win32::Widen(path)));
}

struct Win32Copy : ::testing::Test
{
    ReplaceResult copy(const std::string& source, const std::string& destination,
                       std::optional<FileIdentity> replaced = std::nullopt, bool sound = true,
                       const std::string& keepAs = {})
    {
        return CopyEntryInto(
            source, *IdentifyEntry(source), destination, replaced, keepAs, journal,
            [&](const std::string&) { return sound; }, keptAt);
    }
    bool noTemporaryName(const std::string& folder) const
    {
        std::vector<DirEntry> entries;
        ListDirectory(folder, entries);
        for (const DirEntry& entry : entries)
            if (entry.name.find(".tmp-") != std::string::npos)
                return false;
        return true;
    }

    test::TempTree t;
    TempJournal journal{t.path("journal/")};
    std::string keptAt;
};

TEST_F(Win32Copy, ANewCopyHasTheSourcesBytesTimeAndAttributes)
{
    const std::string source = t.file("A/文書.txt", "new bytes", "2024-05-06 10:00:00");
    t.setDosAttrib("A/文書.txt", kAttrHidden | kAttrReadOnly | kAttrArchive);
    t.dir("B");
    const std::string destination = t.path("B/文書.txt");
    ASSERT_EQ(copy(source, destination), ReplaceResult::Done);
    EXPECT_EQ(Bytes(destination), "new bytes");
    const std::optional<DirEntry> made = LookupEntry(destination);
    ASSERT_TRUE(made);
    EXPECT_EQ(made->lastWrite, LookupEntry(source)->lastWrite);
    EXPECT_EQ(made->attributes & (kAttrHidden | kAttrReadOnly), kAttrHidden | kAttrReadOnly);
    EXPECT_TRUE(noTemporaryName(t.path("B/")));

    // Something there already is never replaced unless it is the file listed.
    t.file("B/taken.txt", "theirs");
    EXPECT_EQ(copy(source, t.path("B/taken.txt")), ReplaceResult::TargetExists);
    EXPECT_EQ(Bytes(t.path("B/taken.txt")), "theirs");
}

TEST_F(Win32Copy, AReplacedFileIsRestorableFromTheRecycleBin)
{
    const std::string source = t.file("A/doc.txt", "new bytes", "2024-05-06 10:00:00");
    const std::string old = t.file("B/doc.txt", "old bytes", "2023-01-01 00:00:00");
    ASSERT_EQ(copy(source, old, IdentifyEntry(old)), ReplaceResult::Done);
    EXPECT_EQ(Bytes(old), "new bytes");
    EXPECT_TRUE(noTemporaryName(t.path("B/")));
    if (!test::RunsUnderWine())
        return; // the Recycle Bin's own folders are the shell's to read
    // Wine's Recycle Bin is the desktop trash below XDG_DATA_HOME.
    const std::filesystem::path trash =
        std::filesystem::path(L"Z:" + win32::Widen(EnvironmentText("XDG_DATA_HOME"))) / L"Trash" /
        L"files";
    bool kept = false;
    for (const auto& entry : std::filesystem::directory_iterator(trash))
        kept = kept || (entry.path().filename().wstring().starts_with(L"doc.txt.tmp-") &&
                        Bytes(entry.path()) == "old bytes");
    EXPECT_TRUE(kept);
}

TEST_F(Win32Copy, AReplacedFileKeptUnderAVersionedNameBesideIt)
{
    const std::string source = t.file("A/doc.txt", "new bytes", "2024-05-06 10:00:00");
    const std::string old = t.file("B/doc.txt", "old bytes", "2023-01-01 00:00:00");
    const std::string keepAs = t.path("B/doc (2023-01-01 000000).txt");
    const auto oldTime = LookupEntry(old)->lastWrite;
    ASSERT_EQ(copy(source, old, IdentifyEntry(old), true, keepAs), ReplaceResult::Done);
    EXPECT_EQ(Bytes(old), "new bytes");
    EXPECT_EQ(Bytes(keepAs), "old bytes");
    EXPECT_EQ(keptAt, keepAs);
    EXPECT_EQ(LookupEntry(keepAs)->lastWrite, oldTime);
    EXPECT_TRUE(noTemporaryName(t.path("B/")));

    // A name already taken is never written over: the copy fails naming it, and the
    // destination keeps its file.
    const std::optional<FileIdentity> listed = IdentifyEntry(old);
    EXPECT_EQ(copy(t.file("A/doc.txt", "newer bytes"), old, listed, true, keepAs),
              ReplaceResult::Failed);
    EXPECT_NE(LastFailureText().find("doc (2023-01-01 000000).txt"), std::string::npos);
    EXPECT_EQ(Bytes(old), "new bytes");
    EXPECT_EQ(Bytes(keepAs), "old bytes");
    EXPECT_TRUE(noTemporaryName(t.path("B/")));
}

TEST_F(Win32Copy, ACopyRefusedOrUnsoundLeavesTheDestinationAndNoTemporaryName)
{
    const std::string source = t.file("A/doc.txt", "new bytes");
    const std::string old = t.file("B/doc.txt", "old bytes", "2023-01-01 00:00:00");
    const std::optional<FileIdentity> listed = IdentifyEntry(old);

    EXPECT_EQ(copy(source, old, listed, false), ReplaceResult::CopyUnsound);
    t.file("B/doc.txt", "rewritten", "2023-01-01 00:00:00"); // changed since it was listed
    EXPECT_EQ(copy(source, old, listed), ReplaceResult::Changed);
    EXPECT_EQ(Bytes(old), "rewritten");
    EXPECT_TRUE(noTemporaryName(t.path("B/")));
}

TEST_F(Win32Copy, AFolderTakesTheSourcesTimeAndAttributes)
{
    t.file("A/sub/x", "x");
    t.setTime("A/sub", "2022-03-04 05:06:07");
    t.setDosAttrib("A/sub", kAttrDirectory | kAttrHidden);
    const std::string made = t.dir("B/sub");
    ASSERT_TRUE(CopyFolderAttributes(t.path("A/sub"), made));
    const std::optional<DirEntry> folder = LookupEntry(made);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->lastWrite, LookupEntry(t.path("A/sub"))->lastWrite);
    EXPECT_TRUE(folder->attributes & kAttrHidden);
}

} // namespace
} // namespace quorvex::platform
