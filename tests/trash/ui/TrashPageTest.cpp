// The trash page on a small host of its own: the snapshot and its counter, restore
// and purge batches with their questions and the trash file, select all; and beside
// the empty-item page on the same host, items deleted there and brought back here,
// one with a name that is not UTF-8, whose bytes reach the trash file and the disk.
#include "trash/ui/TrashPage.h"
#include "controls/TMyListView.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "desktop/TYesAllNoCancelBox.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemListView.h"
#include "empty/ui/EmptyItemsPage.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/ListRows.h"
#include "support/PageHost.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"
#include "trash/TrashStore.h"
#include "trash/ui/TrashListModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

using namespace quorvex::platform;
using Kind = ScriptedDialogs::Kind;

class TrashPageTest : public ::testing::Test
{
protected:
    // Starts the page alone on a trash file holding these entries.
    void start(const std::vector<std::string>& entries)
    {
        writeTrashFile(entries);
        host = std::make_unique<PageHost>(dialogs, tree.path("data/"), Page::Trash);
        page = new TrashPage(host->sheet(), host->services());
        host->start();
    }

    // Starts the page with the empty-item page beside it, on the same trash list.
    void startWithEmptyItemsPage(const std::vector<std::string>& entries)
    {
        writeTrashFile(entries);
        host = std::make_unique<PageHost>(dialogs, tree.path("data/"), Page::Trash);
        emptyPage = new EmptyItemsPage(*new QWidget(host.get()), host->services());
        page = new TrashPage(host->sheet(), host->services());
        host->start();
    }

    void writeTrashFile(const std::vector<std::string>& entries)
    {
        std::filesystem::create_directories(tree.path("data"));
        std::ofstream out(trashFile(), std::ios::binary);
        for (const std::string& entry : entries)
            out << entry << "\r\n";
    }

    std::string trashFile() const { return quorvex::TrashListPath(tree.path("data/")); }

    // The trash list in memory.
    std::vector<std::string>& trashList() { return host->TrashList(); }

    void click(TSwitchButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    QStringList column(int col) const { return quorvex::test::ColumnTexts(page->model(), col); }

    void select(std::initializer_list<int> rows)
    {
        quorvex::test::SelectRows(*page->ListView3, rows);
    }

    std::vector<std::string> trashOnDisk() const
    {
        return quorvex::test::TrashFileEntries(trashFile());
    }

    quorvex::test::TempTree tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<PageHost> host;
    TrashPage* page = nullptr;
    EmptyItemsPage* emptyPage = nullptr;
};

// Both captions of the toggle clear its rounded ends; the row of buttons and the
// count do not overlap.
TEST_F(TrashPageTest, TopBarButtonsShowTheirCaptionsWholeSideBySide)
{
    start({});
    const auto captionFits = [](const TSwitchButton& button) {
        const int text = QFontMetrics(button.font()).horizontalAdvance(button.Caption());
        return text + button.RoundSize() <= button.width();
    };
    for (int state = 0; state < 2; ++state) {
        EXPECT_TRUE(captionFits(*page->GomiOpenSwBtn))
            << page->GomiOpenSwBtn->Caption().toStdString();
        click(page->GomiOpenSwBtn);
    }
    for (const TSwitchButton* button : {page->ModosuSwBtn, page->AllSelectBtn, page->DelSwBtn})
        EXPECT_TRUE(captionFits(*button)) << button->Caption().toStdString();
    const QWidget* row[] = {page->GomiOpenSwBtn, page->ModosuSwBtn, page->AllSelectBtn,
                            page->DelSwBtn, page->Panel11};
    for (std::size_t i = 0; i + 1 < std::size(row); ++i)
        EXPECT_LT(row[i]->geometry().right(), row[i + 1]->x());
}

TEST_F(TrashPageTest, TheViewIsASnapshotCountedWhenItOpens)
{
    const std::string folder = tree.path("x/empty/"), file = tree.path("x/n.txt");
    start({folder + "=16", file + "=33"});
    EXPECT_EQ(page->model().rowCount(), 0);

    click(page->GomiOpenSwBtn);
    EXPECT_EQ(column(0), (QStringList{"empty", "n.txt"}));
    EXPECT_EQ(column(1),
              (QStringList{QString::fromStdString(folder), QString::fromStdString(file)}));
    EXPECT_EQ(page->Panel11->text(), QStringLiteral("2 個"));
    EXPECT_EQ(page->GomiOpenSwBtn->Caption(), QStringLiteral("ごみ箱を閉じる"));

    // Entries added while the view is open appear only after it is opened again.
    trashList().push_back(tree.path("late.txt") + "=32");
    EXPECT_EQ(page->model().rowCount(), 2);

    click(page->GomiOpenSwBtn);
    EXPECT_EQ(page->model().rowCount(), 0);
    EXPECT_EQ(page->Panel11->text(), QString());
    EXPECT_EQ(page->GomiOpenSwBtn->Caption(), QStringLiteral("ごみ箱を開く"));

    click(page->GomiOpenSwBtn);
    EXPECT_EQ(page->Panel11->text(), QStringLiteral("3 個"));
}

// As in the result lists: a selected row keeps the active highlight when the list
// has no focus and its window is not the active one, also where the desktop's colours
// grey an inactive selection out.
TEST_F(TrashPageTest, TheSelectionStaysVisibleWithoutTheFocus)
{
    const QPalette desktop = QApplication::palette();
    QPalette greyedOut = desktop;
    greyedOut.setColor(QPalette::Inactive, QPalette::Highlight, QColor(220, 220, 220));
    QApplication::setPalette(greyedOut);
    const auto restore = qScopeGuard([&] { QApplication::setPalette(desktop); });
    start({tree.path("a.txt") + "=32", tree.path("b.txt") + "=32"});
    click(page->GomiOpenSwBtn);
    select({1});
    page->GomiOpenSwBtn->setFocus();
    ASSERT_FALSE(page->ListView3->hasFocus());
    ASSERT_FALSE(page->ListView3->isActiveWindow());
    const QImage shot = page->ListView3->viewport()->grab().toImage();
    const QRect row = page->ListView3->visualRect(page->model().index(1, 1));
    EXPECT_EQ(QColor(shot.pixel(row.center())),
              page->ListView3->palette().color(QPalette::Active, QPalette::Highlight));
}

TEST_F(TrashPageTest, AnEmptyTrashOpensWithNoRowsAndSelectAllDoesNothing)
{
    start({});
    click(page->GomiOpenSwBtn);
    EXPECT_EQ(page->Panel11->text(), QStringLiteral("0 個"));
    click(page->AllSelectBtn);
    click(page->ModosuSwBtn);
    click(page->DelSwBtn);
    EXPECT_TRUE(dialogs.calls().empty());
}

TEST_F(TrashPageTest, RestoreRecreatesTheItemsWithTheirAttributesAndDropsTheEntries)
{
    const std::string folder = tree.path("gone/deep/empty/"), file = tree.path("gone/ro.txt");
    const std::string kept = tree.path("kept.txt");
    start({kept + "=32", folder + "=16", file + "=33"});
    click(page->GomiOpenSwBtn);
    select({1, 2});
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, true);

    click(page->ModosuSwBtn);

    ASSERT_EQ(dialogs.count(Kind::YesAllNoCancel), 1);
    EXPECT_EQ(dialogs.calls()[0].title, QStringLiteral("ごみ箱からの取り出し確認"));
    EXPECT_EQ(dialogs.calls()[0].text,
              QStringLiteral("[ ") + QString::fromStdString(file) +
                  QStringLiteral(" ]\n\nこのファイルをごみ箱から元の場所に戻しても宜しいですか？"));
    EXPECT_TRUE(IsExistingFolder(folder));
    ASSERT_TRUE(IsExistingFile(file));
    EXPECT_NE(*GetAttributes(file) & kAttrReadOnly, 0u);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    EXPECT_EQ(column(1), QStringList{QString::fromStdString(kept)});
    EXPECT_EQ(page->Panel11->text(), QStringLiteral("3 個"));
    EXPECT_EQ(trashOnDisk(), std::vector<std::string>{kept + "=32"});
}

TEST_F(TrashPageTest, AFailedRestoreKeepsTheRowAndTheEntry)
{
    // The folder chain cannot be made: a file sits where a folder must go.
    tree.file("blocker", "x");
    const std::string file = tree.path("blocker/a.txt");
    start({file + "=32"});
    click(page->GomiOpenSwBtn);
    click(page->AllSelectBtn);
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes);

    click(page->ModosuSwBtn);

    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("ファイルを元に戻すのに失敗しました。")});
    EXPECT_EQ(page->model().rowCount(), 1);
    EXPECT_EQ(trashList().size(), 1u);
}

TEST_F(TrashPageTest, PurgeForgetsTheAnsweredEntriesAndTouchesNothingOnDisk)
{
    const std::string a = tree.file("a.txt"), b = tree.path("b/"), c = tree.path("c.txt");
    start({a + "=32", b + "=16", c + "=32"});
    click(page->GomiOpenSwBtn);
    click(page->AllSelectBtn);
    EXPECT_EQ(page->ListView3->selectionModel()->selectedRows().size(), 3);
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes); // c.txt
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::No);  // b/
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes); // a.txt
    // A row leaves the list as soon as its entry is gone, while the next is asked.
    std::vector<int> rowsAtEachQuestion;
    dialogs.whileAsking([&] { rowsAtEachQuestion.push_back(page->model().rowCount()); });

    click(page->DelSwBtn);

    EXPECT_EQ(rowsAtEachQuestion, (std::vector<int>{3, 2, 2}));
    ASSERT_EQ(page->ListView3->selectionModel()->selectedRows().size(), 1)
        << "the row answered No keeps its selection";
    EXPECT_EQ(page->ListView3->selectionModel()->selectedRows().front().row(), 0);

    EXPECT_EQ(dialogs.calls()[1].title, QStringLiteral("削除確認"));
    EXPECT_EQ(dialogs.calls()[1].text,
              QStringLiteral("[ ") + QString::fromStdString(b) +
                  QStringLiteral(" ]\n\nこのフォルダをごみ箱から削除しても宜しいですか？"));
    // Each question can show the rows of the whole batch, from the last row up.
    QStringList planned;
    for (const QStringList& row : dialogs.calls()[1].details.rows)
        planned << row[0] + u' ' + row[1];
    EXPECT_EQ(planned, (QStringList{QString::fromStdString("purge " + c),
                                    QString::fromStdString("purge " + b),
                                    QString::fromStdString("purge " + a)}));
    EXPECT_EQ(column(1), QStringList{QString::fromStdString(b)});
    EXPECT_EQ(trashOnDisk(), std::vector<std::string>{b + "=16"});
    EXPECT_TRUE(IsExistingFile(a));
    EXPECT_FALSE(std::filesystem::exists(c));
    EXPECT_FALSE(std::filesystem::exists(b));
    EXPECT_EQ(page->Panel11->text(), QStringLiteral("3 個"));
}

#ifndef _WIN32 // file names in bytes of no encoding are Linux's
TEST_F(TrashPageTest, AnItemDeletedOnTheEmptyItemPageComesBackFromTheTrash)
{
    tree.file("t/ro.txt");
    tree.setReadOnly("t/ro.txt", true);
    tree.dir("t/sub/leaf");
    const std::string odd = tree.file("t/caf\xE9"); // a name that is not UTF-8
    startWithEmptyItemsPage({});
    host->registrations().pageChanged(PageIndex(Page::EmptyItems));
    dialogs.scriptFolder(QString::fromStdString(tree.path("t")));
    QTest::mouseClick(emptyPage->SwitchButton5, Qt::LeftButton);
    ASSERT_EQ(emptyPage->model().rowCount(), 3);
    emptyPage->ListView1->selectAll();
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, true);
    emptyPage->DeleteEmptyItems();
    EXPECT_EQ(dialogs.calls().back().details.rows.size(), 3);
    ASSERT_FALSE(std::filesystem::exists(tree.path("t/sub/leaf")));
    ASSERT_FALSE(std::filesystem::exists(tree.path("t/ro.txt")));
    ASSERT_FALSE(std::filesystem::exists(odd));
    EXPECT_NE(ReadWholeFile(trashFile()).value_or("").find("\r\n" + odd + "=32\r\n"),
              std::string::npos);

    host->registrations().pageChanged(PageIndex(Page::Trash));
    click(page->GomiOpenSwBtn);
    EXPECT_EQ(column(0).mid(0, 2), (QStringList{"ro.txt", "leaf"}));
    click(page->AllSelectBtn);
    dialogs.scriptYesAllNoCancel(ConfirmAnswer::Yes, true);
    click(page->ModosuSwBtn);

    EXPECT_TRUE(IsExistingFolder(tree.path("t/sub/leaf")));
    EXPECT_TRUE(IsExistingFile(odd));
    ASSERT_TRUE(IsExistingFile(tree.path("t/ro.txt")));
    EXPECT_NE(*GetAttributes(tree.path("t/ro.txt")) & kAttrReadOnly, 0u);
    EXPECT_TRUE(trashList().empty());
    EXPECT_TRUE(trashOnDisk().empty());
}
#endif

} // namespace
