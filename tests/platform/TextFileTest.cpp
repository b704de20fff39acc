#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        names.push_back(item.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(TextFile, Utf8Validity)
{
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ascii"));
    EXPECT_TRUE(IsValidUtf8("日本語のテキスト \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));         // overlong NUL
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));     // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("abc\xE3\x81"));      // truncated at the end
    EXPECT_FALSE(IsValidUtf8("\x93\xfa\x96\x7b")); // Shift_JIS
}

TEST(TextFile, DecodesShiftJisWithWindowsExtensions)
{
    EXPECT_EQ(DecodeLegacyText("\x93\xfa\x96\x7b\x8c\xea"), "日本語");
    EXPECT_EQ(DecodeLegacyText("C:\\\x95\x5c\\x"), "C:\\表\\x"); // second byte 0x5C
    EXPECT_EQ(DecodeLegacyText("\x87\x40\x87\x8a"), "①㈱");      // NEC row 13
    EXPECT_EQ(DecodeLegacyText("日本語"), "日本語");             // valid UTF-8 unchanged
    // Bytes that are no CP932 either are replaced, and decoding goes on.
    EXPECT_EQ(DecodeLegacyText("a\x93"), "a\xEF\xBF\xBD");
}

TEST(TextFile, SplitsAtEveryKindOfLineBreak)
{
    EXPECT_THAT(SplitLines("a\r\nb\rc\nd"), ElementsAre("a", "b", "c", "d"));
    EXPECT_THAT(SplitLines("a\r\n\r\n"), ElementsAre("a", ""));
    EXPECT_THAT(SplitLines("\n\r"), ElementsAre("", ""));
    EXPECT_THAT(SplitLines("a\r"), ElementsAre("a"));
    EXPECT_THAT(SplitLines(""), IsEmpty());
}

TEST(TextFile, ReadsFilesAsDecodedLines)
{
    test::TempTree t;
    t.file("sjis.txt", "C:\\\x95\x5c\r\n\x93\xfa\x96\x7b\r\n");
    t.file("utf8.txt", "/home/表\n/tmp");
    t.fifo("pipe");
    EXPECT_THAT(*ReadTextLines(t.path("sjis.txt")), ElementsAre("C:\\表", "日本"));
    EXPECT_THAT(*ReadTextLines(t.path("utf8.txt")), ElementsAre("/home/表", "/tmp"));
    EXPECT_EQ(*ReadWholeFile(t.path("utf8.txt")), "/home/表\n/tmp");
    EXPECT_FALSE(ReadWholeFile(t.path("missing")));
    EXPECT_FALSE(ReadWholeFile(t.path("pipe")));

    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Read; });
    EXPECT_FALSE(ReadTextLines(t.path("utf8.txt")));
    SetFaultHook(nullptr);
}

TEST(TextFile, AtomicWritesReplaceKeepingModeAndLinks)
{
    test::TempTree t;
    const std::string path = t.path("out.txt");
    EXPECT_TRUE(WriteTextLinesAtomically(path, {"one", "", "二"}));
    EXPECT_EQ(*ReadWholeFile(path), "one\r\n\r\n二\r\n");

    ::chmod(path.c_str(), 0640);
    EXPECT_TRUE(WriteFileAtomically(path, "new"));
    EXPECT_EQ(*ReadWholeFile(path), "new");
    struct stat status;
    ::stat(path.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    t.symlink("link.txt", "out.txt");
    EXPECT_TRUE(WriteFileAtomically(t.path("link.txt"), "through the link"));
    EXPECT_EQ(LookupEntry(t.path("link.txt"))->attributes & kAttrReparsePoint, kAttrReparsePoint);
    EXPECT_EQ(*ReadWholeFile(path), "through the link");
    EXPECT_THAT(FolderNames(t.root()), ElementsAre("link.txt", "out.txt"));
}

TEST(TextFile, FailedAtomicWritesLeaveTheOldFile)
{
    test::TempTree t;
    // The folder of the target is a file: no temporary file can be made.
    t.file("folder", "not a folder");
    EXPECT_FALSE(WriteFileAtomically(t.path("folder/data1.txt"), "x"));
    EXPECT_EQ(*ReadWholeFile(t.path("folder")), "not a folder");

    // A name so long that the temporary name beside it is refused.
    const std::string longName(250, 'n');
    t.file(longName, "old");
    EXPECT_FALSE(WriteFileAtomically(t.path(longName), "new"));
    EXPECT_EQ(*ReadWholeFile(t.path(longName)), "old");

    // The rename fails (a folder is in the way): the temporary file is removed.
    t.file("busy/inside", "x");
    EXPECT_FALSE(WriteFileAtomically(t.path("busy"), "new"));
    EXPECT_THAT(FolderNames(t.root()), ElementsAre("busy", "folder", longName));

    t.file("gomi.txt", "old");
    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Write; });
    EXPECT_FALSE(WriteTextLinesAtomically(t.path("gomi.txt"), {"new"}));
    SetFaultHook(nullptr);
    EXPECT_EQ(*ReadWholeFile(t.path("gomi.txt")), "old");
}

} // namespace
} // namespace quorvex::platform
