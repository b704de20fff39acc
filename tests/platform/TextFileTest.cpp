#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using test::FolderNames;

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
    EXPECT_EQ(DecodeLegacyLine("\x93\xfa\x96\x7b\x8c\xea"), "日本語");
    EXPECT_EQ(DecodeLegacyLine("C:\\\x95\x5c\\x"), "C:\\表\\x"); // second byte 0x5C
    EXPECT_EQ(DecodeLegacyLine("\x87\x40\x87\x8a"), "①㈱");      // NEC row 13
    EXPECT_EQ(DecodeLegacyLine("日本語"), "日本語");             // valid UTF-8 unchanged
}

TEST(TextFile, LinesThatAreNoTextKeepEveryByte)
{
    // Not CP932 either: a rewrite must not turn the bytes into replacement characters.
    EXPECT_EQ(DecodeLegacyLine("a\x93"), "a\x93");
    EXPECT_EQ(DecodeLegacyLine(std::string("\xff\0\xfe", 3)), std::string("\xff\0\xfe", 3));
    // CP932 with two codes for one character: decoding would write the other code.
    EXPECT_EQ(DecodeLegacyLine("a\xed\x40"
                               "b"),
              "a\xed\x40"
              "b");
    // A local path holds the bytes of its name, whatever they look like.
    EXPECT_EQ(DecodeLegacyLine("/tmp/\x93\xfa"), "/tmp/\x93\xfa");

    test::TempTree t;
    t.file("mixed.txt", "\x93\xfa\r\nC:\\\xff\r\n/caf\xe9\r\n");
    EXPECT_THAT(*ReadTextLines(t.path("mixed.txt")), ElementsAre("日", "C:\\\xff", "/caf\xe9"));
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

TEST(TextFile, StateFilesAreReadUpToTheLimit)
{
    test::TempTree t;
    EXPECT_EQ(ReadStateFile(t.path("missing")).read, StateFileRead::Missing);

    const std::string line(1000, 'x');
    std::string text;
    while (text.size() + line.size() + 2 <= kStateFileLimit)
        text += line + "\r\n";
    const std::size_t wholeLines = text.size() / (line.size() + 2);
    text.resize(kStateFileLimit, 'y'); // a line that ends exactly at the limit
    t.file("exact.txt", text);
    StateFileText exact = ReadStateFile(t.path("exact.txt"));
    EXPECT_EQ(exact.read, StateFileRead::Whole);
    EXPECT_EQ(exact.lines.size(), wholeLines + 1);

    t.file("long.txt", text + "y and more\r\n" + text);
    StateFileText head = ReadStateFile(t.path("long.txt"));
    EXPECT_EQ(head.read, StateFileRead::InPart);
    ASSERT_EQ(head.lines.size(), wholeLines); // the line cut by the limit is left out
    EXPECT_EQ(head.lines.back(), line);

    t.file("one-line.txt", std::string(kStateFileLimit + 1, 'z'));
    head = ReadStateFile(t.path("one-line.txt"));
    EXPECT_EQ(head.read, StateFileRead::InPart);
    EXPECT_THAT(head.lines, IsEmpty());

    // There but unreadable: read in part (nothing), so that a rewrite keeps a copy.
    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Open; });
    EXPECT_EQ(ReadStateFile(t.path("exact.txt")).read, StateFileRead::InPart);
    SetFaultHook(nullptr);
}

TEST(TextFile, LeftoversOfInterruptedRewritesAreRemoved)
{
    test::TempTree t;
    t.file("gomi.txt", "kept");
    for (const char* name : {"gomi.txt.tmp-AbC123", "gomi.txt.tmp-zzzzzz", "gomi.txt.tmp-AbC12",
                             "gomi.txt.tmp-AbC1234", "gomi.txt.tmp-AbC12!", "data1.txt.tmp-abcdef",
                             "xgomi.txt.tmp-abcdef"})
        t.file(name, "partial");
    t.dir("gomi.txt.tmp-folder");
    t.symlink("gomi.txt.tmp-linked", "gomi.txt");

    RemoveLeftoverTempFiles(t.path("gomi.txt"));
    EXPECT_THAT(FolderNames(t.root()),
                ElementsAre("data1.txt.tmp-abcdef", "gomi.txt", "gomi.txt.tmp-AbC12",
                            "gomi.txt.tmp-AbC12!", "gomi.txt.tmp-AbC1234", "gomi.txt.tmp-folder",
                            "gomi.txt.tmp-linked", "xgomi.txt.tmp-abcdef"));
    EXPECT_EQ(*ReadWholeFile(t.path("gomi.txt")), "kept");
}

TEST(TextFile, DamagedCopiesNeverReplaceEarlierOnes)
{
    test::TempTree t;
    EXPECT_TRUE(KeepDamagedCopy(t.path("missing.reg")));
    EXPECT_THAT(FolderNames(t.root()), IsEmpty());

    for (int round = 1; round <= kKeptDamagedCopies + 2; ++round) {
        t.file("Quorvex.reg", "version " + std::to_string(round));
        ASSERT_TRUE(KeepDamagedCopy(t.path("Quorvex.reg")));
        // The file itself is replaced by a rename, as every rewrite does.
        ASSERT_TRUE(WriteFileAtomically(t.path("Quorvex.reg"), "rewritten"));
    }
    t.file("Quorvex.reg.damaged-x", "not one of ours");
    EXPECT_THAT(FolderNames(t.root()),
                ElementsAre("Quorvex.reg", "Quorvex.reg.damaged-3", "Quorvex.reg.damaged-4",
                            "Quorvex.reg.damaged-5", "Quorvex.reg.damaged-6",
                            "Quorvex.reg.damaged-7", "Quorvex.reg.damaged-x"));
    EXPECT_EQ(*ReadWholeFile(t.path("Quorvex.reg.damaged-3")), "version 3");
    EXPECT_EQ(*ReadWholeFile(t.path("Quorvex.reg.damaged-7")), "version 7");
    EXPECT_EQ(*ReadWholeFile(t.path("Quorvex.reg")), "rewritten");
}

TEST(TextFile, DamagedCopiesFindANumberBeyondAnyThatIsThere)
{
    test::TempTree t;
    t.file("gomi.txt", "first");
    t.file("gomi.txt.damaged-999999999", "nine digits");
    for (int round = 0; round < 3; ++round) // ten digits and more, every time
        ASSERT_TRUE(KeepDamagedCopy(t.path("gomi.txt")));
    EXPECT_EQ(*ReadWholeFile(t.path("gomi.txt.damaged-1000000002")), "first");

    // Names made by hand at the end of the numbers: the smallest free one serves.
    t.file("data1.txt", "second");
    t.file("data1.txt.damaged-18446744073709551615", "the highest");
    t.file("data1.txt.damaged-1", "kept");
    ASSERT_TRUE(KeepDamagedCopy(t.path("data1.txt")));
    EXPECT_EQ(*ReadWholeFile(t.path("data1.txt.damaged-2")), "second");
    EXPECT_EQ(*ReadWholeFile(t.path("data1.txt.damaged-1")), "kept");

    // A link is kept as a link: its target is never copied nor touched.
    const std::string secret = t.file("elsewhere/secret", "someone else's");
    t.symlink("data2.txt", secret);
    ASSERT_TRUE(KeepDamagedCopy(t.path("data2.txt")));
    EXPECT_EQ(LookupEntry(t.path("data2.txt.damaged-1"))->attributes & kAttrReparsePoint,
              kAttrReparsePoint);
    struct stat link, target;
    ::lstat(t.path("data2.txt.damaged-1").c_str(), &link);
    ::stat(secret.c_str(), &target);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(target.st_nlink, 1u);
}

TEST(TextFile, AtomicWritesReplaceKeepingTheMode)
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
}

// A link planted at a state path, to a file of someone else: the write replaces the
// link and leaves the file it points to as it was; a read-only file stays.
TEST(TextFile, AtomicWritesNeverGoThroughLinksNorReplaceReadOnlyFiles)
{
    test::TempTree t;
    const std::string victim = t.file("elsewhere/victim.txt", "not ours");
    ::chmod(victim.c_str(), 0644);
    t.symlink("data/gomi.txt", victim);
    t.symlink("data/dangling.txt", t.path("elsewhere/missing.txt"));
    for (const char* name : {"data/gomi.txt", "data/dangling.txt"}) {
        ASSERT_TRUE(WriteTextLinesAtomically(t.path(name), {"/a/=16"}));
        const std::optional<DirEntry> entry = LookupEntry(t.path(name));
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->attributes & kAttrReparsePoint, 0u) << name;
        EXPECT_EQ(*ReadWholeFile(t.path(name)), "/a/=16\r\n");
        struct stat status;
        ::stat(t.path(name).c_str(), &status);
        EXPECT_EQ(status.st_mode & 0777, 0600u) << name; // it may carry what the link showed
    }
    EXPECT_EQ(*ReadWholeFile(victim), "not ours");
    EXPECT_THAT(FolderNames(t.path("elsewhere")), ElementsAre("victim.txt"));

    const std::string kept = t.file("data/Quorvex.reg", "kept");
    t.setReadOnly("data/Quorvex.reg", true);
    EXPECT_FALSE(WriteFileAtomically(kept, "new"));
    EXPECT_EQ(LastFailureText(), std::strerror(EACCES));
    EXPECT_EQ(*ReadWholeFile(kept), "kept");
    EXPECT_THAT(FolderNames(t.path("data")),
                ElementsAre("Quorvex.reg", "dangling.txt", "gomi.txt"));
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

    // The last step fails (a full disk): the written temporary file goes as well.
    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Rename; });
    EXPECT_FALSE(WriteTextLinesAtomically(t.path("gomi.txt"), {"new"}));
    SetFaultHook(nullptr);
    EXPECT_EQ(LastFailureText(), std::strerror(ENOSPC));
    EXPECT_EQ(*ReadWholeFile(t.path("gomi.txt")), "old");
    EXPECT_THAT(FolderNames(t.root()), ElementsAre("busy", "folder", "gomi.txt", longName));
}

} // namespace
} // namespace quorvex::platform
