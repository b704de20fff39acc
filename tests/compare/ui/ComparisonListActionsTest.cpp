// The row actions of the comparison list: the popup menu for the clicked side and
// the selection, copy and double click on the clicked side's items, and deletion to
// the desktop trash with the rows marked gone on that side.
#include "compare/PathCaption.h"
#include "compare/ui/ComparePageFixture.h"
#include "compare/ui/ComparisonListModel.h"
#include "compare/ui/ComparisonListView.h"
#include "controls/TSwitchButton.h"
#include "desktop/ListItemActions.h"
#include "desktop/PathInput.h"
#include "platform/TextFile.h"
#include "support/ListRows.h"
#include "support/ScopedDesktop.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include <filesystem>

namespace {

using Kind = ScriptedDialogs::Kind;
constexpr int SideA = 0, SideB = 1, SizeColumn = 2;

class ComparisonListActionsTest : public ComparePageFixture
{
protected:
    ComparisonListModel& model() { return page->model(); }
    ComparisonListView& list() { return *page->ListView2; }

    // Rows in list order: only-a.txt (B missing), only-b.txt (A missing), same.txt,
    // the folder sub, and sub/in.txt.
    void runOnTrees()
    {
        const char* time = "2024-05-06 10:00:00";
        tree.file("A/same.txt", "abc", time);
        tree.file("B/same.txt", "abcd", time);
        tree.file("A/only-a.txt", "a", time);
        tree.file("B/only-b.txt", "b", time);
        tree.file("A/sub/in.txt", "1", time);
        tree.file("B/sub/in.txt", "1", time);
        tree.dir("A/sub", time);
        tree.dir("B/sub", time);
        page->PathA->Edit->setText(QString::fromStdString(tree.path("A")));
        page->PathB->Edit->setText(QString::fromStdString(tree.path("B")));
        page->StartComparison();
        ASSERT_EQ(cells(0), (QStringList{"only-a.txt", "なし", "same.txt", "sub", "in.txt"}));
    }

    QStringList cells(int column) { return quorvex::test::ColumnTexts(model(), column); }
    // Presses a cell of the row with the mouse: the row alone is selected and
    // ClickedSide follows the column.
    void press(int row, int column, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint at = list().visualRect(model().index(row, column)).center();
        QTest::mouseClick(list().viewport(), button, {}, at);
    }
    void doubleClick(int row, int column)
    {
        const QPoint at = list().visualRect(model().index(row, column)).center();
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, at);
    }
    void alsoSelect(int row)
    {
        list().selectionModel()->select(model().index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    QStringList rowActionsShown()
    {
        QStringList shown;
        for (QAction* action : {page->N3, page->Copy1, page->Delete1})
            if (action->isVisible())
                shown << action->objectName();
        return shown;
    }

    quorvex::test::ScopedDesktop desktop{tree.dir("desk")};
};

TEST_F(ComparisonListActionsTest, MenuOffersTheRowActionsOnlyForAnExistingClickedSide)
{
    // An empty list: nothing but the disabled select-all and restore order.
    page->PopupMenu3Popup();
    EXPECT_TRUE(rowActionsShown().isEmpty());
    EXPECT_FALSE(page->Property2->isEnabled());
    EXPECT_FALSE(page->A1->isEnabled());
    EXPECT_FALSE(page->N9->isEnabled());

    runOnTrees();
    QStringList order;
    for (QAction* action : page->PopupMenu3->actions())
        order << action->objectName();
    EXPECT_EQ(order, (QStringList{"N3", "N6", "A1", "Copy1", "Delete1", "N10", "CopyToB1",
                                  "CopyToA1", "Update1", "KeepVersions1", "N2", "N9", "Property2",
                                  "SaveList1Separator", "SaveList1", "OpenList1"}));
    // A saved comparison can be opened in place of the rows.
    EXPECT_TRUE(page->PopupMenu3->actions().last()->isVisible());

    page->PopupMenu3Popup(); // no row selected
    EXPECT_TRUE(rowActionsShown().isEmpty());
    EXPECT_FALSE(page->Property2->isEnabled());
    EXPECT_TRUE(page->A1->isEnabled());
    EXPECT_TRUE(page->N9->isEnabled());

    // A right press opens the menu for the pressed side: A lacks only-b.txt ...
    press(1, SideA, Qt::RightButton);
    EXPECT_TRUE(page->PopupMenu3->isVisible());
    EXPECT_TRUE(rowActionsShown().isEmpty());
    EXPECT_FALSE(page->Property2->isEnabled());
    page->PopupMenu3->hide();

    // ... B has it.
    press(1, SideB, Qt::RightButton);
    EXPECT_EQ(rowActionsShown(), (QStringList{"N3", "Copy1", "Delete1"}));
    EXPECT_TRUE(page->Property2->isEnabled());
    page->PopupMenu3->hide();

    // Neither name cell: no side to act on.
    press(2, SizeColumn);
    page->PopupMenu3Popup();
    EXPECT_TRUE(rowActionsShown().isEmpty());
}

TEST_F(ComparisonListActionsTest, CopyAndDoubleClickTakeTheClickedSidesItems)
{
    runOnTrees();
    press(2, SideB);
    alsoSelect(0); // only-a.txt: nothing on B
    alsoSelect(1);
    alsoSelect(3);
    page->Copy1->trigger();
    QStringList files;
    for (const QUrl& url : QGuiApplication::clipboard()->mimeData()->urls())
        files << QDir::toNativeSeparators(url.toLocalFile());
    EXPECT_EQ(files, (QStringList{QString::fromStdString(tree.path("B/only-b.txt")),
                                  QString::fromStdString(tree.path("B/same.txt")),
                                  QString::fromStdString(tree.path("B/sub"))}));

#ifndef _WIN32 // where the shell would open the item with its program
    // No application on this desktop takes text: the chooser offers to pick one.
    dialogs.scriptApplication(-1);
    doubleClick(4, SideA);
    ASSERT_EQ(dialogs.count(Kind::Application), 1);
    EXPECT_EQ(dialogs.calls().back().text, QString::fromStdString(tree.path("A/sub/in.txt")));

    // The missing side of a row names nothing to open.
    doubleClick(0, SideB);
    EXPECT_EQ(dialogs.count(Kind::Application), 1);
#endif
}

TEST_F(ComparisonListActionsTest, DeleteTrashesTheClickedSidesItemsAndMarksTheRowsGone)
{
    runOnTrees();
    const QStringList sizesBefore = cells(2);
    press(2, SideA);
    alsoSelect(1); // only-b.txt: A has nothing to delete

    dialogs.scriptYesNo(false);
    page->Delete1->trigger();
    EXPECT_TRUE(std::filesystem::exists(tree.path("A/same.txt")));
    EXPECT_EQ(cells(0)[2], QStringLiteral("same.txt"));

    dialogs.scriptYesNo(true);
    page->Delete1->trigger();
    EXPECT_EQ(dialogs.calls().back().text, QStringLiteral("「same.txt」をごみ箱に移動しますか？"));
    EXPECT_FALSE(std::filesystem::exists(tree.path("A/same.txt")));
    EXPECT_TRUE(std::filesystem::exists(tree.path("B/same.txt")));
#ifndef _WIN32 // the Recycle Bin keeps its place to itself
    EXPECT_TRUE(std::filesystem::exists(desktop.home + "/.local/share/Trash/files/same.txt"));
#endif
    EXPECT_EQ(cells(0), (QStringList{"only-a.txt", "なし", "なし", "sub", "in.txt"}));
    EXPECT_EQ(cells(1)[2], QStringLiteral("same.txt"));
    for (int row : {1, 2})
        for (int column : {2, 3, 4})
            EXPECT_EQ(model().index(row, column).data().toString(), QString())
                << "row " << row << " column " << column;
    EXPECT_EQ(cells(2)[0], sizesBefore[0]);

    // A folder goes with everything in it: its rows show A gone as well.
    press(3, SideA);
    dialogs.scriptYesNo(true);
    page->Delete1Click();
    EXPECT_FALSE(std::filesystem::exists(tree.path("A/sub")));
    EXPECT_EQ(cells(0), (QStringList{"only-a.txt", "なし", "なし", "なし", "なし"}));
    EXPECT_EQ(cells(1)[4], QStringLiteral("in.txt"));

    // Without a clicked name cell nothing is asked or deleted.
    press(0, SizeColumn);
    page->Delete1Click();
    EXPECT_TRUE(std::filesystem::exists(tree.path("A/only-a.txt")));
}

#ifndef _WIN32 // copies are built on POSIX only so far
TEST_F(ComparisonListActionsTest, CopyItemsAskOnceThenShowTheCopiedRowsAsTheDiskHasThem)
{
    runOnTrees();
    press(0, SideA); // only-a.txt, which B lacks
    alsoSelect(2);   // same.txt, larger in B
    dialogs.scriptYesNo(true);
    page->CopyToB1->trigger();
    ASSERT_EQ(dialogs.count(Kind::YesNo), 1);
    EXPECT_EQ(dialogs.calls().back().text,
              QStringLiteral("2 個のファイル（4 バイト）をコピーしますか？\n"
                             "うち 1 個は、上書きされるファイルをごみ箱に移動します。"));
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("B/only-a.txt")), "a");
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("B/same.txt")), "abc");
    EXPECT_EQ(quorvex::platform::ReadWholeFile(desktop.home + "/.local/share/Trash/files/same.txt"),
              "abcd");
    EXPECT_EQ(cells(1)[0], QStringLiteral("only-a.txt"));
    EXPECT_EQ(cells(2)[2], QStringLiteral(" 同"));

    // Nothing to copy: said, not asked.
    press(3, SideA); // the folder sub, on both sides
    page->Update1->trigger();
    EXPECT_EQ(dialogs.count(Kind::YesNo), 1);
    EXPECT_EQ(dialogs.calls().back().text, QStringLiteral("コピーする項目はありません。"));
}

TEST_F(ComparisonListActionsTest, KeptVersionsStayBesideTheCopyUnderTheirTimeNotInTheTrash)
{
    runOnTrees();
    page->KeepVersions1->setChecked(true);
    press(2, SideA); // same.txt, larger in B
    dialogs.scriptYesNo(true);
    page->CopyToB1->trigger();
    EXPECT_EQ(dialogs.calls().back().text,
              QStringLiteral("1 個のファイル（3 バイト）をコピーしますか？\n"
                             "うち 1 個は、上書きされるファイルを日時付きの名前で残します。"));
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("B/same.txt")), "abc");
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("B/same (2024-05-06 100000).txt")),
              "abcd");
    EXPECT_FALSE(std::filesystem::exists(desktop.home + "/.local/share/Trash/files/same.txt"));
}
#endif

} // namespace

#ifndef _WIN32 // the table below writes folder cells the Linux way
TEST_F(ComparisonListActionsTest, SavedListIsTheTableInTheListsOrder)
{
    runOnTrees();
    page->PopupMenu3Popup();
    ASSERT_TRUE(page->Actions->SaveList->isEnabled());
    tree.dir("out");
    const std::string saved = tree.path("out/list.tsv");
    const auto save = [&] {
        dialogs.scriptSaveFile(QString::fromStdString(saved));
        page->Actions->SaveList->trigger();
        return quorvex::platform::ReadWholeFile(saved).value_or("<none>");
    };
    const std::string footer = "#columns\t" + quorvex::AbbreviatePathCaption(tree.path("A")) +
                               "\t" + quorvex::AbbreviatePathCaption(tree.path("B")) +
                               "\n#header\t内容(%)\n";
    EXPECT_EQ(save(), "only-a.txt\tなし\t\t\t\t\t\t\n"
                      "なし\tonly-b.txt\t\t\t\t\t\t\n"
                      "same.txt\tsame.txt\t小-大\t 同\t 同  A\t-----\t\t\n"
                      "sub\tsub\t\t 同\t 同  D\t\tsub\t\n"
                      "in.txt\tin.txt\t 同\t 同\t 同  A\t-----\tsub/\t\n" +
                          footer);

    // After a sort by name (ascending at the first click) the file follows the list.
    page->ListView2ColumnClick(0);
    EXPECT_EQ(save(), "in.txt\tin.txt\t 同\t 同\t 同  A\t-----\tsub/\t\n"
                      "only-a.txt\tなし\t\t\t\t\t\t\n"
                      "same.txt\tsame.txt\t小-大\t 同\t 同  A\t-----\t\t\n"
                      "sub\tsub\t\t 同\t 同  D\t\tsub\t\n"
                      "なし\tonly-b.txt\t\t\t\t\t\t\n" +
                          footer);
}
#endif
