// The Windows layer against the real system calls (run under Wine by make
// test-windows): attribute words, sizes and times as the system keeps them, names
// that the ANSI code page cannot hold, and the separator and root rules.

#include <windows.h>
#include <winioctl.h>

#include <gtest/gtest.h>

#include "platform/AppPaths.h"
#include "platform/DesktopTrash.h"
#include "platform/DosTime.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/win32/WideText.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

const DirEntry& Find(const std::vector<DirEntry>& entries, const std::string& name)
{
    for (const DirEntry& entry : entries)
        if (entry.name == name)
            return entry;
    throw std::runtime_error("not listed: " + name);
}

TEST(Win32FileSystem, ListingReportsTheSystemsAttributeWordsSizesAndTimes)
{
    test::TempTree t;
    t.file("plain.txt", "abc", "2001-02-03 04:05:06");
    t.file("hidden.txt");
    t.setDosAttrib("hidden.txt", kAttrHidden | kAttrArchive);
    t.file("boot.sys");
    t.setDosAttrib("boot.sys", kAttrSystem | kAttrHidden);
    t.file("locked.txt");
    t.setReadOnly("locked.txt", true);
    t.dir("Folder", "1999-12-31 23:59:58");

    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(t.root(), entries));
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0].name, ".");
    EXPECT_EQ(entries[1].name, "..");
    EXPECT_EQ(entries[0].attributes & kAttrDirectory, kAttrDirectory);
    EXPECT_EQ(entries[2].name, "boot.sys"); // by name, letter case folded
    EXPECT_EQ(entries[3].name, "Folder");

    const DirEntry& plain = Find(entries, "plain.txt");
    EXPECT_EQ(plain.attributes, kAttrArchive);
    EXPECT_EQ(plain.size, 3u);
    EXPECT_EQ(PackLocalDosDateTime(plain.lastWrite), PackDosDateTime({2001, 2, 3, 4, 5, 6}));
    EXPECT_EQ(Find(entries, "hidden.txt").attributes, kAttrHidden | kAttrArchive);
    const std::uint32_t wineArchive = test::RunsUnderWine() ? std::uint32_t{kAttrArchive} : 0;
    EXPECT_EQ(Find(entries, "boot.sys").attributes, kAttrSystem | kAttrHidden | wineArchive);
    EXPECT_EQ(Find(entries, "locked.txt").attributes & kAttrReadOnly, kAttrReadOnly);
    const DirEntry& folder = Find(entries, "Folder");
    EXPECT_EQ(folder.attributes, kAttrDirectory);
    EXPECT_EQ(folder.size, 0u);
    EXPECT_EQ(PackLocalDosDateTime(folder.lastWrite), PackDosDateTime({1999, 12, 31, 23, 59, 58}));

    // Setting the word: all bits cleared is "normal"; the directory bit stays a fact.
    EXPECT_TRUE(SetAttributes(t.path("plain.txt"), 0));
    EXPECT_EQ(GetAttributes(t.path("plain.txt")),
              wineArchive != 0 ? wineArchive : std::uint32_t{kAttrNormal});
    EXPECT_TRUE(SetAttributes(t.path("Folder\\"), kAttrDirectory | kAttrHidden));
    EXPECT_EQ(GetAttributes(t.path("Folder")), kAttrDirectory | kAttrHidden);
    EXPECT_FALSE(SetAttributes(t.path("missing"), kAttrHidden));
}

TEST(Win32FileSystem, SizesBeyondFourGiB)
{
    test::TempTree t;
    const std::string path = t.file("big.bin");
    const HANDLE file = CreateFileW(win32::WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD ignored = 0;
    DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &ignored, nullptr);
    LARGE_INTEGER size;
    size.QuadPart = (5LL << 30) + 3;
    ASSERT_TRUE(SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file));
    CloseHandle(file);

    EXPECT_EQ(LookupEntry(path)->size, (5ULL << 30) + 3);
    InputFile input;
    ASSERT_TRUE(input.open(path));
    EXPECT_EQ(input.size(), (5ULL << 30) + 3);
    char buffer[8];
    EXPECT_EQ(input.readAt(buffer, sizeof buffer, (5ULL << 30)), 3);
    EXPECT_EQ(input.read(buffer, 2), 2); // the position stayed at the start
}

TEST(Win32FileSystem, NamesOutsideTheAnsiCodePageWorkThroughout)
{
    ASSERT_EQ(GetACP(), 932u) << "the tests run with a Japanese locale";
    test::TempTree t;
    const std::string name = "한글-ä-😀.txt"; // none of it is in CP932
    t.file("d/" + name, "data");
    std::vector<DirEntry> entries;
    ASSERT_TRUE(ListDirectory(t.path("d"), entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[2].name, name);
    EXPECT_EQ(ReadWholeFile(t.path("d/" + name)), "data");
    EXPECT_TRUE(MoveEntry(t.path("d/" + name), t.path("d/日本語.txt")));
    EXPECT_TRUE(CreateEmptyFileExclusive(t.path("d/" + name)));
    EXPECT_FALSE(CreateEmptyFileExclusive(t.path("d/" + name)));
    EXPECT_TRUE(DeleteRegularFile(t.path("d/" + name)));
    EXPECT_TRUE(CreateFolderWithParents(t.path("d/新/" + name + "/x/")));
    EXPECT_TRUE(IsExistingFolder(t.path("d/新/" + name + "/x")));
    EXPECT_TRUE(RemoveEmptyFolder(t.path("d/新/" + name + "/x/")));
}

TEST(Win32FileSystem, TheRecycleBinTakesEntriesButNeverARoot)
{
    test::TempTree t;
    const std::string file = t.file("ごみ.txt", "x");
    EXPECT_TRUE(MoveToDesktopTrash(file));
    EXPECT_FALSE(LookupEntry(file));
    EXPECT_FALSE(MoveToDesktopTrash(t.path("missing")));
    EXPECT_FALSE(MoveToDesktopTrash("C:\\"));
    EXPECT_FALSE(MoveToDesktopTrash("relative.txt"));
}

TEST(Win32FileSystem, WideTextKeepsEveryName)
{
    const std::wstring lone = {L'a', static_cast<wchar_t>(0xD800), L'b'};
    EXPECT_EQ(win32::Widen(win32::Narrow(lone)), lone);
    EXPECT_EQ(win32::Narrow(L"日本\U0001F600"), "日本😀");
    EXPECT_EQ(win32::Widen("日本😀"), L"日本\U0001F600");
    EXPECT_EQ(win32::Widen("a\xFF"
                           "b"),
              L"a\xFFFD"
              L"b");

    const std::string deep = "C:\\" + std::string(300, 'x') + "/y";
    EXPECT_EQ(win32::WidePath(deep), L"\\\\?\\C:\\" + std::wstring(300, L'x') + L"\\y");
    EXPECT_EQ(win32::WidePath("C:/short/path"), L"C:/short/path");
}

TEST(Win32FileSystem, SeparatorsAndRoots)
{
    EXPECT_EQ(kSeparator, '\\');
    EXPECT_TRUE(IsSeparatorAt("a/b", 1));
    EXPECT_TRUE(IsSeparatorAt("a\\b", 1));
    EXPECT_EQ(WithTrailingSeparator("C:\\data"), "C:\\data\\");
    EXPECT_EQ(WithTrailingSeparator("C:/data/"), "C:/data/");
    EXPECT_EQ(RootLength("C:\\data"), 3u);
    EXPECT_EQ(RootLength("d:/"), 3u);
    EXPECT_EQ(RootLength("C:data"), 0u);
    EXPECT_EQ(RootLength("\\\\server\\share\\a"), 15u);
    EXPECT_EQ(RootLength("data\\a"), 0u);

    const std::string exeDir = ExeDir();
    EXPECT_EQ(exeDir.back(), '\\');
    EXPECT_TRUE(IsExistingFile(exeDir + "test_platform.exe"));
}

TEST(Win32FileSystem, UserDataLivesBelowTheProgramFolder)
{
    test::TempTree t;
    const std::string exeDir = t.dir("Program/");
    t.file("Program/gomi.txt", "C:\\old\\=16");
    const std::string userDir = PrepareUserDataDir(exeDir, "太郎", t.path("fallback"));
    EXPECT_EQ(userDir, exeDir + "data\\太郎\\");
    EXPECT_EQ(ReadWholeFile(userDir + "gomi.txt"), "C:\\old\\=16"); // adopted
    // Also where the program folder holds nothing yet, unlike a Linux installation.
    const std::string bare = t.dir("Bare/");
    EXPECT_EQ(PrepareUserDataDir(bare, "hanako", t.path("fallback")), bare + "data\\hanako\\");
    EXPECT_FALSE(IsExistingFolder(t.path("fallback")));
}

TEST(Win32FileSystem, TextFilesInTheAnsiCodePage)
{
    test::TempTree t;
    const std::string path = t.path("gomi.txt");
    ASSERT_TRUE(WriteTextLinesAtomically(path, {"C:\\表\\=16", "C:\\ソ=32"}));
    // CP932: 表 = 95 5C and ソ = 83 5C, both ending in the byte of '\'.
    EXPECT_EQ(ReadWholeFile(path), "C:\\\x95\x5c\\=16\r\nC:\\\x83\x5c=32\r\n");
    const auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"C:\\表\\=16", "C:\\ソ=32"}));

    // A name the code page cannot hold keeps its line in UTF-8; the others stay in
    // the code page, and each line reads back as it was.
    ASSERT_TRUE(WriteTextLinesAtomically(path, {"C:\\表", "C:\\한"}));
    EXPECT_EQ(ReadWholeFile(path), "C:\\\x95\x5c\r\nC:\\한\r\n");
    EXPECT_EQ(*ReadTextLines(path), (std::vector<std::string>{"C:\\表", "C:\\한"}));

    // A read-only file is not replaced, as on Linux.
    t.setReadOnly("gomi.txt", true);
    EXPECT_FALSE(WriteTextLinesAtomically(path, {"C:\\new"}));
    EXPECT_EQ(*ReadTextLines(path), (std::vector<std::string>{"C:\\表", "C:\\한"}));
    EXPECT_EQ(test::FolderNames(t.root()), std::vector<std::string>{"gomi.txt"});
}

} // namespace
} // namespace quorvex::platform
