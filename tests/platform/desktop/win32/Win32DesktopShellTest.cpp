// The desktop half of the platform layer on Windows (run under Wine by make
// windows-desktop): the Recycle Bin with drives, shares and both separators, file
// URLs and containing folders, the shell's icons and names in the icon store, and
// requests to close the program.
#include "actions/TrashItems.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/desktop/ShellActions.h"
#include "platform/desktop/ShellFileInfo.h"
#include "platform/desktop/SysImageList.h"
#include "platform/desktop/TerminationRequests.h"
#include "platform/desktop/win32/ConsoleControl.h"
#include "support/TempTree.h"

#include <windows.h>

#include <QAbstractEventDispatcher>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using quorvex::test::TempTree;
namespace fs = quorvex::platform;

namespace {

// Where Wine keeps what the Recycle Bin takes: the desktop trash of the Linux user
// (below XDG_DATA_HOME, which the tests' launcher sets), seen through drive Z:.
std::string wineTrashFile(const std::string& name)
{
    std::string folder = qEnvironmentVariable("XDG_DATA_HOME").toStdString();
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return "Z:" + folder + "\\Trash\\files\\" + name;
}

quorvex::PlannedAction TrashItem(const std::string& path)
{
    quorvex::PlannedAction item;
    item.path = path;
    return item;
}

TEST(Win32RecycleBin, ItemsGoToTheRecycleBinWhateverTheirSeparators)
{
    TempTree tree;
    const std::string file = tree.file("ごみ 箱.txt", "x");
    const std::string folder = tree.dir("箱");
    tree.file("箱/中.txt");
    quorvex::TrashSession session;
    const auto neverForGood = [](const quorvex::PlannedAction& item) {
        ADD_FAILURE() << "asked to delete for good: " << item.path;
        return false;
    };
    EXPECT_TRUE(session.trash(TrashItem(file), neverForGood).done);
    EXPECT_TRUE(session.trash(TrashItem(folder + "\\"), neverForGood).done);
    EXPECT_TRUE(session.wentBefore(folder + "/中.txt")); // given after its folder
    EXPECT_FALSE(fs::LookupEntry(file) || fs::LookupEntry(folder));
    if (!qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        EXPECT_TRUE(fs::LookupEntry(wineTrashFile("ごみ 箱.txt")));
}

TEST(Win32RecycleBin, DriveAndShareRootsAreNeverDeleted)
{
    // Nothing may be listed or removed, should a root slip through.
    fs::SetFaultHook([](fs::FaultPoint, std::string_view) { return true; });
    quorvex::TrashSession session;
    bool asked = false;
    for (const std::string root : {"C:\\", "D:/", "\\\\server\\share\\"}) {
        const quorvex::ActionOutcome outcome =
            session.trash(TrashItem(root), [&](const quorvex::PlannedAction&) {
                asked = true;
                return true;
            });
        EXPECT_FALSE(outcome.done) << root;
        EXPECT_EQ(outcome.failure, quorvex::ActionFailure::NotRemovable) << root;
    }
    fs::SetFaultHook(nullptr);
    EXPECT_FALSE(asked); // never "delete for good?"
}

TEST(Win32ShellActions, FoldersAndUrlsOfDrivesAndShares)
{
    EXPECT_EQ(ContainingFolder("C:\\a\\b"), "C:\\a");
    EXPECT_EQ(ContainingFolder("C:\\a\\b\\"), "C:\\a");
    EXPECT_EQ(ContainingFolder("C:\\file.txt"), "C:\\");
    EXPECT_EQ(ContainingFolder("C:\\"), "C:\\");
    EXPECT_EQ(ContainingFolder("\\\\srv\\share\\x"), "\\\\srv\\share\\");

    EXPECT_EQ(FileUrl("C:\\a b\\日本.txt"), QByteArray("file:///C:/a%20b/%E6%97%A5%E6%9C%AC.txt"));
    const auto data = FileDropMimeData({"C:\\a b\\日本.txt", "\\\\srv\\share\\x"});
    ASSERT_EQ(data->urls().size(), 2);
    EXPECT_EQ(data->urls()[0].toLocalFile(), QStringLiteral("C:/a b/日本.txt"));
    EXPECT_EQ(data->urls()[1].toLocalFile(), QStringLiteral("//srv/share/x"));
}

TEST(Win32ShellFileInfo, TheShellsIconsAndNamesFillTheIconStore)
{
    TempTree tree;
    const std::string file = tree.file("メモ.txt", "x");
    SysImageList images;
    const ShellFileInfo info = QueryFileInfo(images, file, false);
    ASSERT_TRUE(info.found);
    EXPECT_FALSE(info.folder);
    EXPECT_FALSE(info.typeName.isEmpty());
    EXPECT_TRUE(info.displayName.startsWith(QStringLiteral("メモ")));
    EXPECT_EQ(images.pixmap(info.iconIndex).size(), QSize(16, 16));

    // The same system icon is stored once.
    const ShellFileInfo type = QueryTypeInfo(images, false, QStringLiteral(".txt"), false);
    EXPECT_EQ(type.iconIndex, info.iconIndex);
    EXPECT_EQ(type.typeName, info.typeName);
    const ShellFileInfo folder = QueryFileInfo(images, tree.root(), false);
    EXPECT_TRUE(folder.folder);
    EXPECT_NE(folder.iconIndex, info.iconIndex);
    EXPECT_FALSE(QueryFileInfo(images, tree.path("missing"), false).found);
}

TEST(Win32TerminationRequests, SessionEndAndConsoleEventsAskToClose)
{
    TerminationRequests requests;
    QSignalSpy spy(&requests, &TerminationRequests::requested);

    // What the platform plugin hands the filters for each top-level window: a session
    // that goes on asks nothing, one that ends asks once.
    MSG message{};
    message.message = WM_ENDSESSION;
    qintptr result = 0;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    dispatcher->filterNativeEvent("windows_generic_MSG", &message, &result);
    EXPECT_EQ(spy.count(), 0);
    message.wParam = TRUE;
    dispatcher->filterNativeEvent("windows_generic_MSG", &message, &result);
    dispatcher->filterNativeEvent("windows_generic_MSG", &message, &result);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0][0].toInt(), WM_ENDSESSION);

    // The system's handler thread returns once the event loop has passed the request
    // on (here, without a console, the test plays the system).
    std::atomic<bool> returned{false};
    std::thread system([&returned] {
        quorvex::platform::win32::ConsoleControlRelay::handle(CTRL_CLOSE_EVENT);
        returned = true;
    });
    ASSERT_TRUE(spy.wait(60000));
    EXPECT_EQ(spy[1][0].toInt(), CTRL_CLOSE_EVENT);
    system.join();
    EXPECT_TRUE(returned);
}

} // namespace
