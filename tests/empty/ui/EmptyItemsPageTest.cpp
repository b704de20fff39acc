// The empty-item page on a host of its own: the search with its count, order, markers
// and stop click, and the delete flow with its questions, failures and trash entries,
// and the saved list with names that are not UTF-8 byte for byte.
#include "empty/ui/EmptyItemsPage.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "desktop/ListItemActions.h"
#include "desktop/RunIndicatorObserver.h"
#include "desktop/RunScope.h"
#include "desktop/TYesAllNoCancelBox.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemListView.h"
#include "empty/ui/FindAnimation.h"
#include "empty/ui/SearchIndicator.h"
#include "platform/TextFile.h"
#include "support/ListRows.h"
#include "support/PageHost.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"
#ifndef _WIN32
#include "support/RunCommand.h"
#endif
#include "trash/TrashStore.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

namespace {

using Kind = ScriptedDialogs::Kind;

class EmptyItemsPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<PageHost>(dialogs, tree.path("data/"), Page::EmptyItems);
        page = new EmptyItemsPage(host->sheet(), host->services());
        host->start();
    }

    void clickStart() { QTest::mouseClick(page->SwitchButton5, Qt::LeftButton); }

    void search(const std::string& folder)
    {
        dialogs.scriptFolder(QString::fromStdString(folder));
        clickStart();
    }

    QStringList column(int col) const { return quorvex::test::ColumnTexts(page->model(), col); }

    void select(std::initializer_list<int> rows)
    {
        quorvex::test::SelectRows(*page->ListView1, rows);
    }

    int marker(int col) const { return page->ListView1->GetColumnHandle()->columnImage(col); }

    std::vector<std::string> trashOnDisk() const
    {
        return quorvex::test::TrashFileEntries(quorvex::TrashListPath(tree.path("data/")));
    }

    quorvex::test::TempTree tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<PageHost> host;
    EmptyItemsPage* page = nullptr;
};

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.size() - 1);
}

TEST_F(EmptyItemsPageTest, SearchShowsCountedRowsByNameWithTheAscendingMarker)
{
    tree.file("t/b.txt");
    tree.dir("t/a");
    tree.file("t/c.log");
    tree.file("t/full.txt", "data");
    const std::string top = folderOf(tree.path("t/"));

    search(top);

    EXPECT_EQ(column(0), (QStringList{"a", "b.txt", "c.log"}));
    EXPECT_EQ(column(3).first(), QString::fromStdString(tree.path("t/a")));
    EXPECT_EQ(page->Panel10->text(), QStringLiteral("3 個"));
    EXPECT_EQ(marker(0), 17);
    EXPECT_EQ(page->LastEmptySearchFolder(), QString::fromStdString(top));
    EXPECT_FALSE(page->SwitchButton5->Down());
    EXPECT_EQ(page->SwitchButton5->Caption(), QStringLiteral("設定／開始"));
    EXPECT_TRUE(page->Animate2->isHidden());
    EXPECT_TRUE(page->SwitchButton6->isEnabled());
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("調べるフォルダを選択して下さい"));

    // A cancelled chooser, opened at the last folder, leaves the result as it was.
    dialogs.scriptFolder(QString());
    clickStart();
    EXPECT_EQ(dialogs.calls()[1].initialPath, QString::fromStdString(top));
    EXPECT_EQ(page->model().rowCount(), 3);
    EXPECT_EQ(page->Panel10->text(), QStringLiteral("3 個"));
    EXPECT_FALSE(page->SwitchButton5->Down());
}

TEST_F(EmptyItemsPageTest, ColumnClicksSortAndMoveTheMarker)
{
    tree.file("t/b.txt");
    tree.dir("t/a");
    tree.file("t/c.log");
    search(folderOf(tree.path("t/")));

    // Right after a search the names are ascending, so "名前" sorts descending.
    page->ListView1ColumnClick(0);
    EXPECT_EQ(column(0), (QStringList{"c.log", "b.txt", "a"}));
    EXPECT_EQ(marker(0), 16);

    page->ListView1ColumnClick(3);
    EXPECT_EQ(column(0), (QStringList{"a", "b.txt", "c.log"}));
    EXPECT_EQ(marker(0), -1);
    EXPECT_EQ(marker(3), 17);
    page->ListView1ColumnClick(3);
    EXPECT_EQ(column(0), (QStringList{"c.log", "b.txt", "a"}));
    EXPECT_EQ(marker(3), 16);

    // Type names come from the lookups of the rows shown; all three rows fit.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !column(1).contains(QString()); }, 5000));
}

TEST_F(EmptyItemsPageTest, AClickDuringTheSearchStopsItWithThePartialResultCounted)
{
    for (int i = 0; i < 300; ++i)
        tree.dir("t/d" + std::to_string(1000 + i));
    bool busyDuringSearch = false;
    QString captionDuringSearch;
    QTimer::singleShot(0, page, [&] {
        busyDuringSearch = host->isBusy();
        captionDuringSearch = page->SwitchButton5->Caption();
        clickStart();
    });

    search(folderOf(tree.path("t/")));

    EXPECT_TRUE(busyDuringSearch);
    EXPECT_EQ(captionDuringSearch, QStringLiteral("中止"));
    const int rows = page->model().rowCount();
    EXPECT_LT(rows, 300);
    EXPECT_EQ(page->Panel10->text(), QString::number(rows) + QStringLiteral(" 個"));
    QStringList names = column(0);
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(names, sorted);
    EXPECT_FALSE(page->SwitchButton5->Down());
    EXPECT_TRUE(page->Animate2->isHidden());
    EXPECT_FALSE(host->isBusy());
    EXPECT_EQ(dialogs.count(Kind::Folder), 1);
}

TEST_F(EmptyItemsPageTest, ClosingTheWindowDuringTheSearchStopsIt)
{
    for (int i = 0; i < 300; ++i)
        tree.dir("t/d" + std::to_string(1000 + i));
    QTimer::singleShot(0, page, [&] { host->close(); });

    search(folderOf(tree.path("t/")));

    EXPECT_LT(page->model().rowCount(), 300);
    EXPECT_FALSE(page->SwitchButton5->Down());
    EXPECT_FALSE(host->isBusy());
}

TEST_F(EmptyItemsPageTest, ARunThatThrowsLeavesNoFindAnimationNorWaitCursor)
{
    SearchIndicator indicator(*page->Animate2, *page->SwitchButton5, *page->ListView1->viewport());
    RunIndicatorObserver progress(indicator);
    bool busyDuringRun = false;
    EXPECT_THROW(
        {
            const RunScope run(progress, host->runs());
            busyDuringRun = host->isBusy();
            throw std::runtime_error("the walk failed");
        },
        std::runtime_error);

    EXPECT_TRUE(busyDuringRun);
    EXPECT_TRUE(page->Animate2->isHidden());
    EXPECT_FALSE(page->ListView1->viewport()->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(host->isBusy());
}

class DeleteFlowTest : public EmptyItemsPageTest
{
protected:
    // Rows in name order: 0 "a.txt" (file), 1 "b" (folder), 2 "c.txt" (file).
    void SetUp() override
    {
        EmptyItemsPageTest::SetUp();
        tree.file("t/a.txt");
        tree.dir("t/b");
        tree.file("t/c.txt");
        search(folderOf(tree.path("t/")));
        ASSERT_EQ(column(0), (QStringList{"a.txt", "b", "c.txt"}));
    }
};

TEST_F(DeleteFlowTest, AsksFromTheLastSelectedRowAndRecordsEachDeletionInTheTrash)
{
    select({0, 1, 2});
    for (int i = 0; i < 3; ++i)
        dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes);

    page->DeleteEmptyItems();

    const auto question = [&](const char* name, const char* kind) {
        return QStringLiteral("[ ") + QString::fromStdString(tree.path("t/") + name) +
               QStringLiteral(" ]\n\nこの") + QString::fromUtf8(kind) +
               QStringLiteral("を削除しても宜しいですか？");
    };
    EXPECT_EQ(dialogs.texts(Kind::YesAllNoCancel),
              (QStringList{question("c.txt", "ファイル"), question("b", "フォルダ"),
                           question("a.txt", "ファイル")}));
    EXPECT_EQ(dialogs.calls().back().title, QStringLiteral("削除確認"));
    EXPECT_EQ(page->model().rowCount(), 0);
    EXPECT_EQ(page->Panel10->text(), QStringLiteral("0 個"));
    EXPECT_FALSE(std::filesystem::exists(tree.path("t/b")));
    EXPECT_FALSE(std::filesystem::exists(tree.path("t/a.txt")));

    // Written right after the batch, not only at close.
    const std::vector<std::string> entries = trashOnDisk();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(quorvex::SplitTrashEntry(entries[0]).name, tree.path("t/c.txt"));
    EXPECT_EQ(quorvex::SplitTrashEntry(entries[1]).name, tree.path("t/b/"));
    EXPECT_EQ(quorvex::SplitTrashEntry(entries[1]).attributes, 16);
    EXPECT_EQ(host->TrashList(), entries);
}

TEST_F(DeleteFlowTest, AFolderThatGainedAFileStaysWithTheFailureMessage)
{
    tree.file("t/b/new.txt", "x");
    select({1});
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes);

    page->DeleteEmptyItems();

    EXPECT_EQ(dialogs.texts(Kind::Message), QStringList{QString::fromStdString(tree.path("t/b")) +
                                                        QStringLiteral("\n削除に失敗しました。")});
    EXPECT_EQ(column(0), (QStringList{"a.txt", "b", "c.txt"}));
    EXPECT_TRUE(host->TrashList().empty());
    EXPECT_TRUE(std::filesystem::exists(tree.path("t/b/new.txt")));
}

#ifndef _WIN32 // the built command-line tool run as a process
// The command line deletes through the same plan: a copy of the tree ends as the
// page leaves its own, and its trash list holds the same entries.
TEST_F(DeleteFlowTest, TheCommandLineLeavesTheSameDiskAndTrashListAsThePage)
{
    tree.file("u/a.txt");
    tree.dir("u/b");
    tree.file("u/c.txt");
    const std::string cli = "QUORVEX_DATA_DIR=" + quorvex::test::ShellQuoted(tree.path("cli/")) +
                            " " + quorvex::test::ShellQuoted(QUORVEX_CLI_PATH) +
                            " empty --act trash ";
    const std::string folder = quorvex::test::ShellQuoted(tree.path("u"));

    const quorvex::test::CommandRun dry = quorvex::test::RunCommand(cli + "--dry-run " + folder);
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(dry.out, "trash\t" + tree.path("u/c.txt") + "\t\t0\t\ntrash\t" + tree.path("u/b") +
                           "\t\t0\t\ntrash\t" + tree.path("u/a.txt") + "\t\t0\t\n#freed\t0\n");
    EXPECT_TRUE(std::filesystem::exists(tree.path("u/a.txt")) &&
                std::filesystem::exists(tree.path("u/b")));
    EXPECT_FALSE(std::filesystem::exists(quorvex::TrashListPath(tree.path("cli/"))));

    select({0, 1, 2});
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, true);
    page->DeleteEmptyItems();
    const quorvex::test::CommandRun run = quorvex::test::RunCommand(cli + folder);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, dry.out);

    EXPECT_TRUE(std::filesystem::is_empty(tree.path("t")));
    EXPECT_TRUE(std::filesystem::is_empty(tree.path("u")));
    std::vector<std::string> fromPage = trashOnDisk();
    for (std::string& entry : fromPage)
        entry.replace(entry.find(tree.path("t/")), tree.path("t/").size(), tree.path("u/"));
    ASSERT_EQ(fromPage.size(), 3u);
    EXPECT_EQ(quorvex::test::TrashFileEntries(quorvex::TrashListPath(tree.path("cli/"))), fromPage);
}
#endif

TEST_F(DeleteFlowTest, NothingSelectedAsksNothing)
{
    page->DeleteEmptyItems();
    EXPECT_EQ(dialogs.count(Kind::YesAllNoCancel), 0);
    EXPECT_EQ(page->model().rowCount(), 3);
    EXPECT_EQ(page->Panel10->text(), QStringLiteral("3 個"));
}

TEST_F(DeleteFlowTest, PopupMenuEnablesRowItemsForASelectionAndItsDeleteRunsTheDeleteFlow)
{
    QStringList captions;
    for (QAction* action : page->PopupMenu2->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions,
              (QStringList{"フォルダを開く", "-", "全て選択(&A)", "コピー(&C)", "削除(&D)", "-",
                           "プロパティ", "-", "リストを保存…", "リストを開く…"}));

    const auto enabled = [&] {
        page->PopupMenu2Popup();
        QStringList names;
        for (QAction* action : {page->N5, page->A3, page->Copy3, page->DeleteMenu, page->Property1})
            if (action->isEnabled())
                names << action->objectName();
        return names;
    };
    EXPECT_EQ(enabled(), QStringList{"A3"});
    select({1});
    EXPECT_EQ(enabled(), (QStringList{"N5", "A3", "Copy3", "DeleteMenu", "Property1"}));

    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes);
    page->DeleteMenu->trigger();
    EXPECT_EQ(dialogs.count(Kind::YesAllNoCancel), 1);
    EXPECT_EQ(column(0), (QStringList{"a.txt", "c.txt"}));
    EXPECT_EQ(page->Panel10->text(), QStringLiteral("2 個"));
    EXPECT_EQ(trashOnDisk().size(), 1u);

    // Select-all takes every row; on an emptied list it is off.
    page->A3->trigger();
    EXPECT_EQ(page->ListView1->selectedRows(), (std::vector<std::size_t>{0, 1}));
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, true);
    page->DeleteMenu->trigger();
    EXPECT_EQ(dialogs.count(Kind::YesAllNoCancel), 2);
    EXPECT_EQ(page->model().rowCount(), 0);
    EXPECT_TRUE(enabled().isEmpty());
}

} // namespace

#ifndef _WIN32 // file names in bytes of no encoding are Linux's
TEST_F(EmptyItemsPageTest, SavedListHoldsTheTableWithNamesByteForByte)
{
    tree.file("t/b.txt");
    tree.dir("t/a");
    tree.file("t/c,d.log");
    tree.file("t/caf\xE9"); // not UTF-8
    const std::string top = tree.path("t/");
    search(folderOf(top));
    page->PopupMenu2Popup();
    ASSERT_TRUE(page->Actions->SaveList->isEnabled());

    tree.dir("out");
    dialogs.scriptSaveFile(QString::fromStdString(tree.path("out/empty.tsv")));
    page->Actions->SaveList->trigger();
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("out/empty.tsv")),
              "a\tD\t" + top + "a\n" + "b.txt\tA\t" + top + "b.txt\n" + "c,d.log\tA\t" + top +
                  "c,d.log\n" + "caf\xE9\tA\t" + top + "caf\xE9\n" + "#count\t4 個\n");

    // CSV quotes the name with the comma.
    dialogs.scriptSaveFile(QString::fromStdString(tree.path("out/empty.csv")));
    page->Actions->SaveList->trigger();
    const auto csv = quorvex::platform::ReadWholeFile(tree.path("out/empty.csv"));
    ASSERT_TRUE(csv);
    EXPECT_NE(csv->find("\r\n\"c,d.log\",A,"), std::string::npos) << *csv;
    EXPECT_TRUE(csv->ends_with("#count,4 個\r\n"));
}
#endif
