// The Windows shell as the desktop program uses it, checked against the system
// itself (under Wine by make test-windows): what the shell says about items, its
// icons, opening an item through its type's association, and console control
// events handed to the program.

#include <windows.h>

#include <objbase.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/desktop/win32/ConsoleControl.h"
#include "platform/desktop/win32/ShellItems.h"
#include "platform/desktop/win32/ShellVerbs.h"
#include "platform/win32/WideText.h"
#include "support/TempTree.h"

namespace quorvex::platform::win32 {
namespace {

struct Win32Shell : ::testing::Test
{
    void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    void TearDown() override { CoUninitialize(); }
};

// A file type whose "open" command copies the item to `marker` (in the classes root,
// as Wine reads no user classes).
class TestFileType
{
public:
    TestFileType(const std::wstring& extension, const std::string& marker) : extension_(extension)
    {
        setDefault(extension_, L"Quorvex.TestType");
        setDefault(kProgram + std::wstring(L"\\shell\\open\\command"),
                   L"cmd.exe /c copy \"%1\" \"" + Widen(marker) + L"\"");
    }
    ~TestFileType()
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgram);
    }

private:
    static constexpr const wchar_t* kProgram = L"Quorvex.TestType";
    static void setDefault(const std::wstring& key, const std::wstring& value)
    {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring extension_;
};

bool appearsWithin(const std::string& path, std::chrono::seconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!LookupEntry(path)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

TEST_F(Win32Shell, DescribesItemsWithTheSystemsIconsAndNames)
{
    test::TempTree t;
    const std::string file = t.file("日本語 メモ.txt", "x");
    const std::string folder = t.dir("フォルダ");

    const ShellItemInfo text = QueryShellItem(file, false);
    EXPECT_TRUE(text.found);
    EXPECT_FALSE(text.folder);
    EXPECT_FALSE(text.link);
    EXPECT_GE(text.systemIconIndex, 0);
    EXPECT_NE(text.displayName.find("日本語 メモ"), std::string::npos) << text.displayName;
    EXPECT_FALSE(text.typeName.empty());

    const ShellItemInfo dir = QueryShellItem(folder + "\\", true);
    EXPECT_TRUE(dir.found);
    EXPECT_TRUE(dir.folder);
    EXPECT_EQ(dir.displayName, "フォルダ");
    EXPECT_NE(dir.systemIconIndex, text.systemIconIndex);

    EXPECT_FALSE(QueryShellItem(t.path("missing.txt"), false).found);

    const ShellItemInfo textType = QueryShellType(false, ".txt", false);
    EXPECT_EQ(textType.typeName, text.typeName);
    EXPECT_EQ(textType.systemIconIndex, text.systemIconIndex);
    EXPECT_TRUE(textType.displayName.empty());
    const ShellItemInfo folderType = QueryShellType(true, "", false);
    EXPECT_TRUE(folderType.folder);
    EXPECT_GE(folderType.systemIconIndex, 0);
    EXPECT_NE(folderType.systemIconIndex, text.systemIconIndex);

    const HICON icon = SmallSystemIcon(text.systemIconIndex);
    ASSERT_NE(icon, nullptr);
    ICONINFO parts{};
    ASSERT_TRUE(GetIconInfo(icon, &parts));
    BITMAP bitmap{};
    GetObjectW(parts.hbmColor != nullptr ? parts.hbmColor : parts.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(parts.hbmColor);
    DeleteObject(parts.hbmMask);
    DestroyIcon(icon);
    EXPECT_EQ(SmallSystemIcon(-1), nullptr);
}

TEST_F(Win32Shell, OpensAnItemWithItsTypesProgramOrSaysItHasNone)
{
    test::TempTree t;
    const std::string marker = t.path("opened.txt");
    const TestFileType type(L".qvxopen", marker);
    const std::string item = t.file("開く テスト.qvxopen", "contents");
    EXPECT_EQ(OpenWithAssociation(nullptr, item), OpenResult::Opened);
    ASSERT_TRUE(appearsWithin(marker, std::chrono::seconds(60)));
    EXPECT_EQ(ReadWholeFile(marker), "contents");

    const std::string unknown = t.file("x.qvxnone");
    EXPECT_EQ(OpenWithAssociation(nullptr, unknown), OpenResult::NoAssociation);
}

TEST(Win32ShellPaths, TheShellGetsBackslashes)
{
    EXPECT_EQ(ShellPath("C:/a/日本\\b"), L"C:\\a\\日本\\b");
}

TEST(Win32ConsoleControl, TheHandlerWaitsUntilTheProgramHasAnswered)
{
    const HANDLE delivered = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<DWORD> seen{~DWORD{0}};
    ConsoleControlRelay relay(
        [&](DWORD event) {
            seen = event;
            SetEvent(delivered);
        },
        INFINITE);
    ASSERT_TRUE(relay.isInstalled());

    // The system calls the handler on a thread of its own.
    std::atomic<bool> returned{false};
    std::thread system([&] {
        EXPECT_TRUE(ConsoleControlRelay::handle(CTRL_CLOSE_EVENT));
        returned = true;
    });
    ASSERT_EQ(WaitForSingleObject(delivered, 60000), WAIT_OBJECT_0);
    EXPECT_EQ(seen, static_cast<DWORD>(CTRL_CLOSE_EVENT));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(returned); // the process would end now, before the program closed
    relay.acknowledge();
    system.join();
    EXPECT_TRUE(returned);
    CloseHandle(delivered);
}

TEST(Win32ConsoleControl, WithoutAnAnswerTheHandlerGivesUpAfterItsPatience)
{
    ConsoleControlRelay relay([](DWORD) {}, 50);
    EXPECT_TRUE(ConsoleControlRelay::handle(CTRL_C_EVENT));
}

} // namespace
} // namespace quorvex::platform::win32
