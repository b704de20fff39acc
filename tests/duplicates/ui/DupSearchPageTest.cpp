// The duplicate search page on a host of its own: searches started with the mouse,
// group bands and the reference row, sorting by the group column, size texts,
// deletion to the trash (done, declined, a file changed since the search), replacing
// copies by links and moving them, the selection helpers, saving the list, refused
// input, and the busy state and cancel during a search.
#include "duplicates/ui/DupSearchPage.h"
#include "controls/TNewTrackBar.h"
#include "controls/TSwitchButton.h"
#include "desktop/ListItemActions.h"
#include "desktop/PageIndex.h"
#include "desktop/PathInput.h"
#include "desktop/ProgressPanel.h"
#include "duplicates/ui/DupListModel.h"
#include "duplicates/ui/DupListView.h"
#include "duplicates/ui/FolderListModel.h"
#include "duplicates/ui/FolderResults.h"
#include "duplicates/ui/PicturePreview.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemsPage.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/DrawnPictures.h"
#include "support/ListRows.h"
#include "support/PageHost.h"
#include "support/ProgressPanelCheck.h"
#include "support/SameFile.h"
#include "support/ScriptedDialogs.h"
#include "support/SystemText.h"
#include "support/TempTree.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using Kind = ScriptedDialogs::Kind;

namespace {

bool exists(const std::string& path)
{
    return quorvex::platform::LookupEntry(path).has_value();
}

class DupSearchPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The desktop trash of a home folder of its own.
        qputenv("HOME", QByteArray::fromStdString(tree.dir("home")));
        qunsetenv("XDG_DATA_HOME");
        host = std::make_unique<PageHost>(dialogs, tree.path("data/"), Page::Duplicates);
        page = new DupSearchPage(host->sheet(), host->services());
        // Where an emptied folder is searched when the page offers it.
        emptyPage = new EmptyItemsPage(*new QWidget(host.get()), host->services());
        host->start();
    }
    void TearDown() override
    {
        host.reset();
        qputenv("HOME", savedHome);
        if (savedDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", savedDataHome);
    }

    DupListModel& model() { return page->model(); }
    TMyListViewHeader& header() { return *page->ListView4->GetColumnHandle(); }

    // Three copies of one text, two of another, one unique file.
    void makeDuplicates()
    {
        tree.file("s/a.txt", "first text", "2024-01-02 03:04:05");
        tree.file("s/b.txt", "first text", "2024-01-02 03:04:05");
        tree.file("s/sub/c.txt", "first text", "2024-01-02 03:04:05");
        tree.file("s/x.dat", "second", "2024-01-03 00:00:00");
        tree.file("s/y.dat", "second", "2024-01-03 00:00:00");
        tree.file("s/unique.txt", "nothing alike", "2024-01-03 00:00:00");
    }

    // Folders for the search by folder: "photos" and "copy" equal, "part" holding one
    // of their files; the page is switched to folders.
    void makeFolderCopies()
    {
        tree.file("s/photos/a.jpg", "picture a");
        tree.file("s/photos/b.jpg", "picture b");
        tree.file("s/copy/a.jpg", "picture a");
        tree.file("s/copy/b.jpg", "picture b");
        tree.file("s/part/a.jpg", "picture a");
        page->FolderUnitCheck->setChecked(true);
    }

    void search(const std::string& file, const std::string& folder)
    {
        page->FileInput->Edit->setText(QString::fromStdString(file));
        page->FolderInput->Edit->setText(QString::fromStdString(folder));
        const QPoint centre = page->SwitchButton8->rect().center();
        QTest::mousePress(page->SwitchButton8, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(page->SwitchButton8, Qt::LeftButton, {}, centre);
    }

    QStringList column(int c) { return quorvex::test::ColumnTexts(model(), c); }

    void clickHeader(int c)
    {
        const int x = header().sectionViewportPosition(c) + header().sectionSize(c) / 2;
        QTest::mouseClick(header().viewport(), Qt::LeftButton, {}, QPoint(x, 5));
    }

    void selectRows(std::initializer_list<int> rows)
    {
        quorvex::test::SelectRows(*page->ListView4, rows);
    }

    QStringList historyItems(int n)
    {
        QStringList items;
        const QComboBox& box =
            *host->findChild<QComboBox*>(QStringLiteral("ComboBox") + QString::number(n));
        for (int i = 0; i < box.count(); ++i)
            items << box.itemText(i);
        return items;
    }

    quorvex::test::TempTree tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<PageHost> host;
    DupSearchPage* page = nullptr;
    EmptyItemsPage* emptyPage = nullptr;
    QByteArray savedHome = qgetenv("HOME");
    QByteArray savedDataHome = qgetenv("XDG_DATA_HOME");
};

TEST_F(DupSearchPageTest, DuplicateSearchShowsGroupsBandedWithTheReferenceFirst)
{
    makeDuplicates();
    search("", tree.path("s"));

    EXPECT_EQ(column(0), (QStringList{"a.txt", "b.txt", "c.txt", "x.dat", "y.dat"}));
    EXPECT_EQ(column(1), (QStringList{"基準", "100%", "100%", "基準", "100%"}));
    EXPECT_EQ(column(4), (QStringList{tree.path("s/").c_str(), tree.path("s/").c_str(),
                                      tree.path("s/sub/").c_str(), tree.path("s/").c_str(),
                                      tree.path("s/").c_str()}));
    const QStringList groups = column(5);
    EXPECT_EQ(groups[0], groups[2]);
    EXPECT_NE(groups[2], groups[3]);
    EXPECT_EQ(groups[3], groups[4]);
    EXPECT_EQ(model().cellText(0, 3), QStringLiteral("2024/01/02 03:04"));

    // The first group white, the next in the colour of Panel1.
    EXPECT_EQ(model().rowColor(0), QColor(Qt::white));
    EXPECT_EQ(model().rowColor(2), QColor(Qt::white));
    EXPECT_EQ(model().rowColor(3), host->services().listLook.duplicateColor());
    EXPECT_NE(host->services().listLook.duplicateColor(), QColor(Qt::white));

    EXPECT_FALSE(page->ListView4->isColumnHidden(DupListModel::GroupColumn));
    EXPECT_EQ(page->ListView4->columnWidth(DupListModel::GroupColumn), 50);
    EXPECT_EQ(header().columnImage(DupListModel::GroupColumn), 17);

    EXPECT_EQ(historyItems(4), QStringList{tree.path("s").c_str()});
    EXPECT_TRUE(historyItems(3).isEmpty());
    EXPECT_EQ(dialogs.count(Kind::Message), 0);
    EXPECT_FALSE(host->isBusy());

    // Icons are looked up for the rows shown once they are painted.
    page->ListView4->viewport()->grab();
    EXPECT_NE(page->DupList()[0].IconIndex, -1);
}

TEST_F(DupSearchPageTest, GroupColumnClicksReverseAndRestoreTheOrder)
{
    makeDuplicates();
    search("", tree.path("s"));
    const QStringList ascending = column(0);

    clickHeader(DupListModel::GroupColumn);
    // Groups from the highest label down, each reference row last (equal members may
    // come in either order).
    EXPECT_EQ(column(0).mid(0, 2), (QStringList{"y.dat", "x.dat"}));
    EXPECT_EQ(column(0).last(), QStringLiteral("a.txt"));
    EXPECT_EQ(column(1), (QStringList{"100%", "基準", "100%", "100%", "基準"}));
    EXPECT_EQ(header().columnImage(DupListModel::GroupColumn), 16);
    // The bands follow the new order: the group now in front is white.
    EXPECT_EQ(model().rowColor(0), QColor(Qt::white));
    EXPECT_EQ(model().rowColor(2), host->services().listLook.duplicateColor());

    clickHeader(DupListModel::GroupColumn);
    EXPECT_EQ(column(1), (QStringList{"基準", "100%", "100%", "基準", "100%"}));
    EXPECT_EQ(header().columnImage(DupListModel::GroupColumn), 17);

    // Another column takes the marker; its first click sorts descending.
    clickHeader(0);
    EXPECT_EQ(column(0), (QStringList{"y.dat", "x.dat", "c.txt", "b.txt", "a.txt"}));
    EXPECT_EQ(header().columnImage(0), 16);
    EXPECT_EQ(header().columnImage(DupListModel::GroupColumn), -1);

    // A new search puts the marker back on the group column, ascending.
    search("", tree.path("s"));
    EXPECT_EQ(column(0), ascending);
    EXPECT_EQ(header().columnImage(0), -1);
    EXPECT_EQ(header().columnImage(DupListModel::GroupColumn), 17);
}

TEST_F(DupSearchPageTest, SizeTextsFollowTheByteOption)
{
    tree.patternFile("s/a.bin", 1536, 7);
    tree.patternFile("s/b.bin", 1536, 7);
    search("", tree.path("s"));
    ASSERT_EQ(model().rowCount(), 2);

    ASSERT_TRUE(host->look().sizeInBytes());
    EXPECT_EQ(model().cellText(0, 2), QStringLiteral("1,536B"));
    host->look().bytes = false;
    EXPECT_EQ(model().cellText(0, 2), QStringLiteral("1.5KB"));
    EXPECT_EQ(model().index(0, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
              Qt::AlignRight);
}

// A size of hundreds of megabytes in bytes, and the caption with its sort marker, show
// whole in the size column.
TEST_F(DupSearchPageTest, SizeColumnShowsLargeByteCountsAndItsMarkedCaptionWhole)
{
    if (quorvex::test::RunsUnderWine())
        GTEST_SKIP() << "Wine's offscreen fonts are not the program's";
    const int width = page->ListView4->columnWidth(2);
    const int text =
        page->ListView4->fontMetrics().horizontalAdvance(QStringLiteral("123,456,789B"));
    // The cell leaves 6 pixels at the left and 3 at the right of a right-aligned text.
    EXPECT_LE(text + 9, width);
    EXPECT_LE(width, 120);
    const TMyListViewHeader& head = header();
    const int caption = head.fontMetrics().horizontalAdvance(QStringLiteral("サイズ"));
    EXPECT_LE(caption + head.imageList().first().width(), width);
}

TEST_F(DupSearchPageTest, DeletingRowsKeepsTheOtherRowsAndTheirGroups)
{
    makeDuplicates();
    search("", tree.path("s"));
    const QString otherGroup = model().cellText(3, 5);

    // Declined: nothing is deleted and the list stays as it was.
    selectRows({0, 1});
    dialogs.scriptYesNo(false);
    page->DeleteMenu1Click();
    EXPECT_EQ(model().rowCount(), 5);
    EXPECT_TRUE(exists(tree.path("s/a.txt")));
    EXPECT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{0, 1}));

    // Done: the files are in the trash, their rows gone, the rest unchanged.
    dialogs.scriptYesNo(true);
    page->PopupMenu1Popup();
    ASSERT_TRUE(page->DeleteMenu1->isEnabled());
    page->DeleteMenu1->trigger();
    EXPECT_FALSE(exists(tree.path("s/a.txt")));
    EXPECT_FALSE(exists(tree.path("s/b.txt")));
#ifndef _WIN32 // the Recycle Bin keeps its place to itself
    EXPECT_TRUE(exists(tree.path("home/.local/share/Trash/files/a.txt")));
#endif
    EXPECT_EQ(column(0), (QStringList{"c.txt", "x.dat", "y.dat"}));
    EXPECT_EQ(column(1), (QStringList{"100%", "基準", "100%"}));
    EXPECT_EQ(column(5)[1], otherGroup);
    EXPECT_TRUE(page->ListView4->selectedRowNumbers().empty());

    // Without a selection the row actions are off, select-all stays on.
    page->PopupMenu1Popup();
    EXPECT_FALSE(page->DeleteMenu1->isEnabled());
    EXPECT_TRUE(page->A2->isEnabled());
}

TEST_F(DupSearchPageTest, TheDeleteTakesTheSelectionAndSaysWhenItTakesTheLastCopy)
{
    makeDuplicates();
    search("", tree.path("s"));
    // a.txt, the reference of its group, went behind the program's back.
    ASSERT_TRUE(quorvex::platform::DeleteRegularFile(tree.path("s/a.txt")));
    selectRows({1, 2, 3, 4});
    dialogs.scriptYesNo(false);
    page->DeleteMenu1Click();
    EXPECT_EQ(dialogs.texts(Kind::YesNo).back(),
              QStringLiteral("4 個の項目（32 バイト）をごみ箱に移動しますか？\n\n"
                             "2 個のグループでは、同じ内容のファイルがすべてごみ箱に移動します。"));
    EXPECT_TRUE(exists(tree.path("s/b.txt")) && exists(tree.path("s/y.dat")));

    dialogs.scriptYesNo(true);
    dialogs.scriptYesNo(false); // no search in the folder that c.txt left empty
    page->DeleteMenu1Click();
    for (const char* gone : {"s/b.txt", "s/sub/c.txt", "s/x.dat", "s/y.dat"})
        EXPECT_FALSE(exists(tree.path(gone))) << gone;
    EXPECT_TRUE(dialogs.texts(Kind::Message).isEmpty());
    EXPECT_EQ(column(0), (QStringList{"a.txt"}));
}

TEST_F(DupSearchPageTest, RefusedInputShowsTheWarningAndSearchesNothing)
{
    makeDuplicates();
    search(tree.path("s/a.txt"), "");
    EXPECT_EQ(dialogs.texts(Kind::Warning),
              QStringList{QStringLiteral("フォルダ [  ]\n\nファイルパスが不明です。")});
    EXPECT_EQ(dialogs.count(Kind::Message), 0);
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_TRUE(historyItems(3).isEmpty());
    EXPECT_TRUE(historyItems(4).isEmpty());
    EXPECT_FALSE(host->isBusy());

    search("", tree.path("missing"));
    EXPECT_EQ(dialogs.texts(Kind::Warning).last(),
              QStringLiteral("フォルダ [ ") + tree.path("missing").c_str() +
                  QStringLiteral(" ]\n\nファイルパスが不明です。"));

    // A usable folder without duplicates: the notice of an empty result.
    search("", tree.path("s/sub"));
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("重複するファイルはありませんでした。")});

    // A right press on the file button empties the file field.
    page->FileInput->Edit->setText(QStringLiteral("x"));
    QTest::mousePress(page->FileInput->Button, Qt::RightButton);
    EXPECT_TRUE(page->FileInput->Edit->text().isEmpty());
}

TEST_F(DupSearchPageTest, BrowseButtonsAndThresholdOfTheTopBar)
{
    const std::string file = tree.file("s/a.txt", "text");
    page->FileInput->Edit->setText(QString::fromStdString(file));
    dialogs.scriptFile(QString());
    QTest::mouseClick(page->FileInput->Button, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls().back().initialPath, QString::fromStdString(file));
    EXPECT_EQ(page->FileInput->Edit->text(), QString::fromStdString(file));

    dialogs.scriptFile(QStringLiteral("/chosen/file"));
    page->FileInput->Edit->setText(QStringLiteral("/no/such/file"));
    QTest::mouseClick(page->FileInput->Button, Qt::LeftButton);
    EXPECT_TRUE(dialogs.calls().back().initialPath.isEmpty());
    EXPECT_EQ(page->FileInput->Edit->text(), QStringLiteral("/chosen/file"));

    page->FolderInput->Edit->setText(QString::fromStdString(tree.path("s")));
    dialogs.scriptFolder(QString::fromStdString(tree.path("t")));
    QTest::mouseClick(page->FolderInput->Button, Qt::LeftButton);
    EXPECT_EQ(dialogs.calls().back().initialPath, QString::fromStdString(tree.path("s")));
    EXPECT_EQ(page->FolderInput->Edit->text(), QString::fromStdString(tree.path("t")));

    EXPECT_EQ(page->Label2->text(), QStringLiteral("敷居値 100%"));
    page->NewTrackBar1->setValue(80);
    EXPECT_EQ(page->Label2->text(), QStringLiteral("敷居値 80%"));
}

TEST_F(DupSearchPageTest, IdenticalSearchListsMatchesInWalkOrderWithoutGroups)
{
    makeDuplicates();
    search(tree.path("s/b.txt"), tree.path("s"));
    EXPECT_EQ(column(0), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(column(1), (QStringList{"100%", "100%", "100%"}));
    EXPECT_TRUE(page->ListView4->isColumnHidden(DupListModel::GroupColumn));
    EXPECT_EQ(column(5), (QStringList{"", "", ""}));
    EXPECT_FALSE(model().rowColor(0).isValid());
    EXPECT_EQ(historyItems(3), QStringList{tree.path("s/b.txt").c_str()});

    search(tree.path("s/unique.txt"), tree.path("s/sub"));
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("一致するファイルはありませんでした。")});
}

TEST_F(DupSearchPageTest, DuringASearchTheTopBarIsCoveredAndCancelStopsIt)
{
    makeDuplicates();
    bool busyDuringRun = false;
    // Runs at the first event processing of the search, as a user's clicks would.
    QTimer::singleShot(0, host.get(), [&] {
        busyDuringRun = host->isBusy();
        ExpectProgressPanelCovers(host->services().progressPanel,
                                  {page->SwitchButton8, page->NewTrackBar1});
        const QPoint cancel = host->services().progressPanel.CancelBtn->rect().center();
        QTest::mouseClick(host->services().progressPanel.CancelBtn, Qt::LeftButton, {}, cancel);
    });
    search("", tree.path("s"));
    EXPECT_TRUE(busyDuringRun);
    // Cancelled while collecting: nothing paired, the notice of an empty result.
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("重複するファイルはありませんでした。")});
    EXPECT_FALSE(host->isBusy());

    // The next search releases the cancel button again.
    search("", tree.path("s"));
    EXPECT_FALSE(host->services().progressPanel.CancelBtn->Down());
    EXPECT_EQ(model().rowCount(), 5);
}

} // namespace

TEST_F(DupSearchPageTest, SelectionHelpersLeaveOneCopyAndTheDeleteSkipsAChangedFile)
{
    makeDuplicates();
    search("", tree.path("s"));
    page->PopupMenu1Popup();
    for (QAction* helper : {page->SelectButReference, page->SelectButNewest, page->SelectButOldest})
        EXPECT_TRUE(helper->isEnabled()) << helper->text().toStdString();
    // The helpers sit right after "全て選択(&A)".
    const QList<QAction*> items = page->PopupMenu1->actions();
    EXPECT_EQ(items.indexOf(page->SelectButReference), items.indexOf(page->A2) + 1);

    page->SelectButReference->trigger();
    EXPECT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{1, 2, 4}));

    // c.txt was touched after the search: same size, another time.
    tree.file("s/sub/c.txt", "first text", "2024-02-02 00:00:00");
    dialogs.scriptYesNo(true);
    page->PopupMenu1Popup();
    page->DeleteMenu1->trigger();
    EXPECT_FALSE(exists(tree.path("s/b.txt")));
    EXPECT_FALSE(exists(tree.path("s/y.dat")));
    EXPECT_TRUE(exists(tree.path("s/sub/c.txt")));
    EXPECT_EQ(column(0), (QStringList{"a.txt", "c.txt", "x.dat"}));
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("次の 1 個の項目はそのままです。\n\n") +
                          QString::fromStdString(tree.path("s/sub/c.txt")) +
                          QStringLiteral("\n検索の後に変更されています。")});

    // The two copies left in the first group were listed with one time: the earlier
    // row stays either way; x.dat, alone in its group now, is never selected.
    page->SelectButNewest->trigger();
    EXPECT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{1}));
    page->SelectButOldest->trigger();
    EXPECT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{1}));
}

TEST_F(DupSearchPageTest, HardLinksReplaceTheCopiesAndTheRowsSayWhatTheyAreNow)
{
    makeDuplicates();
    search("", tree.path("s"));
    // y.dat was rewritten after the search: same bytes, another time.
    tree.file("s/y.dat", "second", "2024-05-05 00:00:00");
    page->A2->trigger();
    page->PopupMenu1Popup();
    ASSERT_TRUE(page->HardLinkMenu1->isEnabled());
    dialogs.scriptYesNo(true);
    page->HardLinkMenu1->trigger();

    EXPECT_EQ(
        dialogs.texts(Kind::YesNo).front(),
        QStringLiteral("3 個のファイルをハードリンクに置き換えますか？\n\n26 バイトが空きます。"
                       "\n\n選んだうち 2 個は、グループに残すファイルなのでそのままにします。"));
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("次の 1 個の項目はそのままです。\n\n") +
                          QString::fromStdString(tree.path("s/y.dat")) +
                          QStringLiteral("\n検索の後に変更されています。")});
    struct stat a, b, c, y;
    ASSERT_EQ(::stat(tree.path("s/a.txt").c_str(), &a), 0);
    ASSERT_EQ(::stat(tree.path("s/b.txt").c_str(), &b), 0);
    ASSERT_EQ(::stat(tree.path("s/sub/c.txt").c_str(), &c), 0);
    ASSERT_EQ(::stat(tree.path("s/y.dat").c_str(), &y), 0);
    EXPECT_TRUE(a.st_ino == b.st_ino && a.st_ino == c.st_ino);
    EXPECT_EQ(y.st_nlink, 1u);
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("s/sub/c.txt")), "first text");
    EXPECT_EQ(column(0), (QStringList{"a.txt", "b.txt [ハードリンク]", "c.txt [ハードリンク]",
                                      "x.dat", "y.dat"}));
}

TEST_F(DupSearchPageTest, LinksAreOfferedOnlyForFilesFoundEqualByteForByte)
{
    makeDuplicates();
    page->NewTrackBar1->setValue(90);
    search("", tree.path("s"));
    selectRows({1});
    page->PopupMenu1Popup();
    for (QAction* action : {page->HardLinkMenu1, page->SymbolicLinkMenu1, page->ReflinkMenu1})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(page->MoveMenu1->isEnabled());
    EXPECT_TRUE(page->DeleteMenu1->isEnabled());
    // The items sit right after "削除(&D)".
    const QList<QAction*> items = page->PopupMenu1->actions();
    EXPECT_EQ(items.indexOf(page->HardLinkMenu1), items.indexOf(page->DeleteMenu1) + 1);
}

TEST_F(DupSearchPageTest, ComparedAsPicturesAMirroredCopyGroupsAndLinksAreNotOffered)
{
    const QImage scene = quorvex::test::DrawnScene(11);
    tree.dir("s/sub");
    ASSERT_TRUE(scene.save(QString::fromStdString(tree.path("s/a.jpg")), "JPEG", 90));
    ASSERT_TRUE(scene.mirrored(true, false).save(QString::fromStdString(tree.path("s/sub/b.png"))));
    ASSERT_TRUE(quorvex::test::DrawnScene(12).save(QString::fromStdString(tree.path("s/c.png"))));
    page->NewTrackBar1->setValue(100);
    search("", tree.path("s"));
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("重複するファイルはありませんでした。")});
    EXPECT_FALSE(page->Preview->isVisibleTo(page));

    page->PictureCheck->setChecked(true);
    page->NewTrackBar1->setValue(75);
    search("", tree.path("s"));
    EXPECT_EQ(column(0), (QStringList{"a.jpg", "b.png"}));
    EXPECT_EQ(column(1).front(), QStringLiteral("基準"));
    // The selected picture beside the list, scaled into the pane and upright.
    ASSERT_TRUE(page->Preview->isVisibleTo(page));
    selectRows({1});
    const QPixmap shown = page->Preview->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_LE(shown.width(), PicturePreview::kWidth);
    EXPECT_EQ(shown.width() > shown.height(), scene.width() > scene.height());
    page->PopupMenu1Popup();
    for (QAction* action : {page->HardLinkMenu1, page->SymbolicLinkMenu1, page->ReflinkMenu1})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(page->DeleteMenu1->isEnabled());
}

TEST_F(DupSearchPageTest, AMovedRowShowsItsNewPlaceAndTheEmptiedFolderIsSearchedOnRequest)
{
    makeDuplicates();
    search("", tree.path("s"));
    selectRows({2}); // s/sub/c.txt, alone in its folder
    const QString target = QString::fromStdString(tree.path("moved"));
    dialogs.scriptFolder(target);
    dialogs.scriptYesNo(true); // the move
    dialogs.scriptYesNo(true); // the search for empty folders
    page->MoveMenu1->trigger();

    EXPECT_TRUE(
        dialogs.texts(Kind::YesNo).front().endsWith(QStringLiteral("移動先: [ %1 ]").arg(target)));
    EXPECT_FALSE(exists(tree.path("s/sub/c.txt")));
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("moved/sub/c.txt")), "first text");
    EXPECT_EQ(model().cellText(2, 0), QStringLiteral("c.txt [移動済み]"));
    EXPECT_EQ(model().cellText(2, 4), QString::fromStdString(tree.path("moved/sub/")));
    EXPECT_EQ(model().RecordPath(2), tree.path("moved/sub/c.txt"));

    // The offer was taken: the empty-item page searched the searched folder.
    EXPECT_EQ(host->registrations().currentPage(), Page::EmptyItems);
    EmptyItemsPage* empty = emptyPage;
    EXPECT_EQ(empty->LastEmptySearchFolder(), QString::fromStdString(tree.path("s")));
    ASSERT_EQ(empty->model().rowCount(), 1);
    EXPECT_EQ(empty->model().record(0)->Path, tree.path("s/sub"));
}

TEST_F(DupSearchPageTest, FolderHelperTakesTheFolderOfTheRowUnderTheMouse)
{
    makeDuplicates();
    search("", tree.path("s"));
    const auto rightClickOn = [this](int row) {
        const QRect rect = page->ListView4->visualRect(model().index(row, 0));
        emit page->ListView4->popupRequested(rect.center());
        page->PopupMenu1->hide();
    };
    rightClickOn(2); // c.txt in s/sub/
    ASSERT_TRUE(page->SelectInFolder->isEnabled());
    page->SelectInFolder->trigger();
    EXPECT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{2}));

    // Every file lies in s/ or below: the reference rows stay unselected.
    rightClickOn(0);
    page->SelectInFolder->trigger();
    EXPECT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{1, 2, 4}));

    // Below the rows there is no folder to take.
    emit page->ListView4->popupRequested(QPoint(5, page->ListView4->viewport()->height() - 2));
    page->PopupMenu1->hide();
    EXPECT_FALSE(page->SelectInFolder->isEnabled());
    EXPECT_TRUE(page->SelectButReference->isEnabled());
}

TEST_F(DupSearchPageTest, SelectionHelpersAreOffForIdenticalResults)
{
    makeDuplicates();
    search(tree.path("s/b.txt"), tree.path("s"));
    page->PopupMenu1Popup();
    for (QAction* helper : {page->SelectButReference, page->SelectButNewest, page->SelectButOldest,
                            page->SelectInFolder})
        EXPECT_FALSE(helper->isEnabled()) << helper->text().toStdString();
    EXPECT_TRUE(page->Actions->SaveList->isEnabled());
}

TEST_F(DupSearchPageTest, SavedListHoldsTheTableAndAFailedSaveLeavesNoFile)
{
    makeDuplicates();
    search("", tree.path("s"));
    EXPECT_TRUE(host->statusText(0).startsWith(QStringLiteral("所要時間 ")))
        << host->statusText(0).toStdString();

    tree.dir("out");
    dialogs.scriptSaveFile(QString::fromStdString(tree.path("out/list.tsv")));
    page->Actions->SaveList->trigger();
    // A cell writes each "\" (Windows' separator) as "\\".
    const auto cell = [](const std::string& text) {
        std::string escaped;
        for (const char c : text)
            escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        return escaped;
    };
    const std::string s = cell(tree.path("s/"));
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("out/list.tsv")),
              "a.txt\t基準\t10\t2024/01/02 03:04\t" + s + "\t1\t1\n" +
                  "b.txt\t100%\t10\t2024/01/02 03:04\t" + s + "\t1\t1\n" +
                  "c.txt\t100%\t10\t2024/01/02 03:04\t" + s + cell(quorvex::test::Native("sub/")) +
                  "\t1\t1\n" + "x.dat\t基準\t6\t2024/01/03 00:00\t" + s + "\t4\t0\n" +
                  "y.dat\t100%\t6\t2024/01/03 00:00\t" + s + "\t4\t0\n");

    // A folder that does not exist: the failure is reported, nothing is written.
    const std::string missing = tree.path("no/such/list.tsv");
    dialogs.scriptSaveFile(QString::fromStdString(missing));
    page->Actions->SaveList->trigger();
    EXPECT_EQ(dialogs.texts(Kind::Message),
              QStringList{QStringLiteral("[ ") + QString::fromStdString(missing) +
                          QStringLiteral(" ]\n\nリストを保存できませんでした。")});
    EXPECT_FALSE(exists(missing));

    // Cancelled: nothing happens.
    dialogs.scriptSaveFile(QString());
    page->Actions->SaveList->trigger();
    EXPECT_EQ(dialogs.count(Kind::Message), 1);
}

TEST_F(DupSearchPageTest, AnOpenedListLooksAsSavedMarksWhatChangedAndActsOnTheRestOnly)
{
    makeDuplicates();
    search("", tree.path("s"));
    tree.dir("out");
    const std::string saved = tree.path("out/list.tsv");
    dialogs.scriptSaveFile(QString::fromStdString(saved));
    page->Actions->SaveList->trigger();

    tree.setTime("s/sub/c.txt", "2024-01-02 03:05:00");
    std::filesystem::remove(tree.path("s/y.dat"));
    model().ClearResultList();
    page->PopupMenu1Popup();
    ASSERT_TRUE(page->Actions->OpenList->isVisible() && page->Actions->OpenList->isEnabled());
    dialogs.scriptFile(QString::fromStdString(saved));
    page->Actions->OpenList->trigger();
    EXPECT_EQ(column(0), (QStringList{"a.txt", "b.txt", "c.txt [変更されています]", "x.dat",
                                      "y.dat [なくなりました]"}));
    EXPECT_EQ(
        dialogs.texts(Kind::Message),
        QStringList{QStringLiteral("2 個の項目は、保存したときからなくなったか変わっています。"
                                   "印の付いた項目には何もしません。")});

    // Saved again: the very bytes.
    page->PopupMenu1Popup();
    const std::string again = tree.path("out/again.tsv");
    dialogs.scriptSaveFile(QString::fromStdString(again));
    page->Actions->SaveList->trigger();
    EXPECT_EQ(quorvex::platform::ReadWholeFile(again), quorvex::platform::ReadWholeFile(saved));

    // Every copy chosen for the trash: only b.txt goes.
    page->SelectButReference->trigger();
    ASSERT_EQ(page->ListView4->selectedRowNumbers(), (std::vector<int>{1, 2, 4}));
    dialogs.scriptYesNo(true);
    page->PopupMenu1Popup();
    page->DeleteMenu1->trigger();
    EXPECT_FALSE(exists(tree.path("s/b.txt")));
    EXPECT_TRUE(exists(tree.path("s/sub/c.txt")));
    EXPECT_EQ(column(0), (QStringList{"a.txt", "c.txt [変更されています]", "x.dat",
                                      "y.dat [なくなりました]"}));

    // A file that holds no such list is refused with its path; the list stays.
    const std::string other = tree.file("out/other.tsv", "not\ta list\n");
    dialogs.scriptFile(QString::fromStdString(other));
    page->Actions->OpenList->trigger();
    EXPECT_EQ(
        dialogs.texts(Kind::Message).back(),
        QStringLiteral("[ ") + QString::fromStdString(other) +
            QStringLiteral(" ]\n\nリストを開けませんでした。\nline 1: 2 fields instead of 7"));
    EXPECT_EQ(model().rowCount(), 4);
}

TEST_F(DupSearchPageTest, ByFolderListsFoldersAndTrashesOnlyTheFilesOfAChosenCopy)
{
    makeFolderCopies();
    EXPECT_TRUE(page->ListView4->isHidden());
    EXPECT_FALSE(page->Folders->ListView5->isHidden());
    search("", tree.path("s"));

    const FolderListModel& folders = page->Folders->model();
    const auto folderColumn = [&](int c) { return quorvex::test::ColumnTexts(folders, c); };
    const QString copy = QString::fromStdString(tree.path("s/copy/"));
    const QString part = QString::fromStdString(tree.path("s/part/"));
    const QString photos = QString::fromStdString(tree.path("s/photos/"));
    EXPECT_EQ(folderColumn(FolderListModel::FolderColumn),
              (QStringList{copy, photos, copy, part, photos, part}));
    EXPECT_EQ(folderColumn(FolderListModel::RelationColumn),
              (QStringList{"基準", "同一(構成も同じ)", "基準", "含まれる", "基準", "含まれる"}));
    EXPECT_EQ(folderColumn(FolderListModel::FilesColumn),
              (QStringList{"2", "2", "2", "1", "2", "1"}));
    EXPECT_EQ(folderColumn(FolderListModel::GroupColumn),
              (QStringList{"1", "1", "2", "2", "3", "3"}));
    page->Folders->ListView5->sortByColumn(FolderListModel::FilesColumn, Qt::AscendingOrder);
    EXPECT_EQ(folderColumn(FolderListModel::FolderColumn),
              (QStringList{part, part, copy, photos, copy, photos}));
    page->Folders->ListView5->sortByColumn(FolderListModel::GroupColumn, Qt::AscendingOrder);

    // Every row but the first chosen: the reference rows stay, so "copy" keeps its files
    // and "photos" and "part" lose theirs; "part" goes for "copy", not for "photos",
    // which goes itself.
    page->Folders->ListView5->selectAll();
    page->Folders->ListView5->selectionModel()->select(
        folders.index(0, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    dialogs.scriptYesNo(true);  // the plan
    dialogs.scriptYesNo(false); // no empty-folder search
    page->Folders->TrashFolderFiles->trigger();
    EXPECT_FALSE(exists(tree.path("s/photos/a.jpg")));
    EXPECT_FALSE(exists(tree.path("s/photos/b.jpg")));
    EXPECT_TRUE(exists(tree.path("s/copy/a.jpg")));
    EXPECT_TRUE(exists(tree.path("s/copy/b.jpg")));
    EXPECT_FALSE(exists(tree.path("s/part/a.jpg")));
    EXPECT_EQ(folders.rowCount(), 0) << "the list shows the disk";
    EXPECT_EQ(dialogs.texts(Kind::Message).back(),
              QStringLiteral("重複するフォルダはありませんでした。"));
}

TEST_F(DupSearchPageTest, ByFolderLinksOnlyTheFilesOfAnEqualCopyNeverAContainedOrKeptFolder)
{
    makeFolderCopies();
    search("", tree.path("s"));
    // copy (reference) = photos; copy ⊇ part; photos ⊇ part.
    page->Folders->ListView5->selectAll();
    dialogs.scriptYesNo(true);
    page->Folders->HardLinkFolderFiles->trigger();
    const auto same = [&](const char* path, const char* other) {
        return quorvex::test::SameFile(tree.path(path), tree.path(other));
    };
    // photos' files are now other names of copy's; part, only contained, is left.
    EXPECT_TRUE(same("s/photos/a.jpg", "s/copy/a.jpg"));
    EXPECT_TRUE(same("s/photos/b.jpg", "s/copy/b.jpg"));
    EXPECT_FALSE(same("s/part/a.jpg", "s/copy/a.jpg"));
    EXPECT_FALSE(same("s/part/a.jpg", "s/photos/a.jpg"));
    EXPECT_EQ(quorvex::platform::ReadWholeFile(tree.path("s/photos/a.jpg")), "picture a");
}
