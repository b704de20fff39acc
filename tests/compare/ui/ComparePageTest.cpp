// The comparison page driven through the real main window: runs started with the
// mouse, refusals, cancel and page lock during a run, sorting and the restore order,
// row colours, icons per extension, and the histories written at close.
#include "compare/ui/ComparePageFixture.h"
#include "compare/ui/ComparisonListModel.h"
#include "compare/ui/ComparisonListView.h"
#include "controls/TSwitchButton.h"
#include "desktop/PathInput.h"
#include "desktop/PathServices.h"
#include "desktop/ProgressPanel.h"
#include "paths/HistoryFile.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/ListRows.h"
#include "support/ProgressPanelCheck.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Lets the list lay itself out (the delayed layout, then the scroll bars it shows
// or hides in turn) and checks that every column ends inside the viewport: its grid
// line on its last pixel column shows in a grab of the whole list, where a column
// running under the scroll bar would show the bar.
void ExpectColumnsInsideViewport(QTreeView& list)
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
    const QImage shot = list.grab().toImage();
    const QRect viewport = list.viewport()->geometry();
    const int y = viewport.top() + list.visualRect(list.model()->index(0, 0)).center().y();
    for (int column = 0; column < list.header()->count(); ++column) {
        const int right =
            viewport.left() + list.columnViewportPosition(column) + list.columnWidth(column) - 1;
        EXPECT_LE(right, viewport.right()) << "column " << column;
        EXPECT_EQ(shot.pixel(right, y), list.palette().color(QPalette::Midlight).rgb()) << column;
    }
}

class ComparePageTest : public ComparePageFixture
{
protected:
    ComparisonListModel& model() { return page->model(); }
    TMyListViewHeader& header() { return *page->ListView2->GetColumnHandle(); }

    void run(const std::string& a, const std::string& b)
    {
        page->PathA->Edit->setText(QString::fromStdString(a));
        page->PathB->Edit->setText(QString::fromStdString(b));
        const QPoint centre = page->SwitchButton1->rect().center();
        QTest::mousePress(page->SwitchButton1, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(page->SwitchButton1, Qt::LeftButton, {}, centre);
    }

    QStringList column(int c) { return quorvex::test::ColumnTexts(model(), c); }

    QColor background(int row)
    {
        return model().index(row, 0).data(Qt::BackgroundRole).value<QColor>();
    }

    void clickHeader(int c)
    {
        const int x = header().sectionViewportPosition(c) + header().sectionSize(c) / 2;
        QTest::mouseClick(header().viewport(), Qt::LeftButton, {},
                          QPoint(x, header().height() / 2));
    }

    // Two trees: an equal file, a longer one on B, a folder on both sides, a file only A has.
    void makeTrees()
    {
        const char* time = "2024-05-01 10:00:00";
        tree.file("A/same.txt", "abc", time);
        tree.file("B/same.txt", "abc", time);
        tree.file("A/grown.txt", "0123456789", time);
        tree.file("B/grown.txt", "012345678901", time);
        tree.dir("A/sub", time);
        tree.dir("B/sub", time);
        tree.file("A/sub/only-a.txt", "x", time);
        tree.file("B/sub/near.txt", "abcdefgh", time);
        tree.file("A/sub/near.txt", "abcdefgx", time);
    }
};

TEST_F(ComparePageTest, RunShowsRowsColoursAndCaptions)
{
    makeTrees();
    page->CheckBox3->setChecked(true);
    run(tree.path("A"), tree.path("B"));

    EXPECT_EQ(column(0), (QStringList{"grown.txt", "same.txt", "sub", "near.txt", "only-a.txt"}));
    EXPECT_EQ(column(1), (QStringList{"grown.txt", "same.txt", "sub", "near.txt", "なし"}));
    EXPECT_EQ(column(2), (QStringList{"小-大", " 同", "", " 同", ""}));
    EXPECT_EQ(column(5), (QStringList{"85%", "100%", "", "50%", ""}));
#ifdef _WIN32
    // "C:\users\<user>\Temp\qv-XXXXXX\A": five levels below the drive.
    const QString root = QStringLiteral("C:\\.....");
#else
    // "/tmp/qv-XXXXXX/A": three levels.
    const QString root = QStringLiteral("/...");
#endif
    EXPECT_EQ(model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), root + "[A]");
    EXPECT_EQ(model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), root + "[B]");
    // (85 + 100 + 100 + 50 + 0) / 5
    EXPECT_EQ(model().headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), "67%");

    const QColor yellow(252, 226, 48);
    EXPECT_EQ(background(0), yellow);
    EXPECT_EQ(background(1), form->services().listLook.matchColor());
    EXPECT_EQ(background(2),
              form->services().listLook.matchColor()); // a folder pair, whatever the contents
    EXPECT_FALSE(background(3).isValid());             // alike but 50 %: the normal background
    EXPECT_EQ(background(4), form->services().listLook.missingColor());

    // Without content comparison the alike row takes the match colour; the content
    // column then shows the not-shown marker.
    page->CheckBox3->setChecked(false);
    EXPECT_EQ(background(3), form->services().listLook.matchColor());
    EXPECT_EQ(column(5)[0], "-------");
    EXPECT_FALSE(page->CheckBox4->isEnabled());

    // The colour reaches the painted row.
    const QImage shot = page->ListView2->viewport()->grab().toImage();
    const QRect cell = page->ListView2->visualRect(model().index(4, 2));
    EXPECT_EQ(shot.pixelColor(cell.center() + QPoint(20, 0)),
              form->services().listLook.missingColor());

    EXPECT_EQ(page->PathA->ComboBox->count(), 1);
    EXPECT_TRUE(form->services().progressPanel.isHidden());
}

// Enough rows for the vertical scroll bar: the name columns give up its width, so the
// content column's "%" stays in view; fewer rows give the width back.
TEST_F(ComparePageTest, ColumnsFitBesideTheScrollBarWhenTheListScrolls)
{
    for (int n = 0; n < 40; ++n) {
        tree.file("many/A/f" + std::to_string(n) + ".txt", "abcdefg");
        tree.file("many/B/f" + std::to_string(n) + ".txt", "abcdefx");
    }
    page->CheckBox3->setChecked(true);
    run(tree.path("many/A"), tree.path("many/B"));
    ExpectColumnsInsideViewport(*page->ListView2);
    ASSERT_TRUE(page->ListView2->verticalScrollBar()->isVisible());
    const int narrowed = page->ListView2->columnWidth(0);

    makeTrees();
    run(tree.path("A"), tree.path("B"));
    ExpectColumnsInsideViewport(*page->ListView2);
    EXPECT_FALSE(page->ListView2->verticalScrollBar()->isVisible());
    EXPECT_GT(page->ListView2->columnWidth(0), narrowed);

    // A name column the user widens keeps its width; the list then scrolls sideways.
    page->ListView2->setColumnWidth(0, 600);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(page->ListView2->horizontalScrollBar()->isVisible());
    EXPECT_EQ(page->ListView2->columnWidth(0), 600);
}

TEST_F(ComparePageTest, RefusedInputWarnsAndLeavesListEmpty)
{
    makeTrees();
    run(tree.path("A"), tree.path("B"));
    ASSERT_GT(model().rowCount(), 0);

    run(tree.path("missing"), tree.path("B"));
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Warning),
              QStringList{QString::fromStdString("A [ " + tree.path("missing") +
                                                 " ]\n\nファイルパスが不明です。")});
    EXPECT_EQ(model().rowCount(), 0);
    EXPECT_EQ(model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "");
    EXPECT_EQ(page->PathA->ComboBox->count(), 1); // only the successful run
    EXPECT_TRUE(form->services().progressPanel.isHidden());

    run(tree.path("A/same.txt"), tree.path("B"));
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Warning).last(),
              "フォルダとファイルの比較は行えません！");
}

TEST_F(ComparePageTest, CancelDuringRunKeepsRowsSoFarAndPagesStayLocked)
{
    MakeTreesForAStoppedRun(tree);
    bool pageStayed = false;
    QTimer::singleShot(0, page, [&] {
        form->PageControl1->setCurrentIndex(2);
        pageStayed = form->PageControl1->currentIndex() == 0;
        TSwitchButton& cancel = *form->services().progressPanel.CancelBtn;
        const QPoint centre = cancel.rect().center();
        QTest::mousePress(&cancel, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(&cancel, Qt::LeftButton, {}, centre);
    });
    run(tree.path("A"), tree.path("B"));

    EXPECT_TRUE(pageStayed);
    EXPECT_TRUE(form->services().progressPanel.CancelBtn->Down());
    // The first folder of each level is still walked; the other five are dropped.
    EXPECT_GT(model().rowCount(), 0);
    EXPECT_LT(model().rowCount(), 24);
    EXPECT_EQ(page->PathB->ComboBox->count(), 1); // a cancelled run counts as carried out
    form->PageControl1->setCurrentIndex(2);
    EXPECT_EQ(form->PageControl1->currentIndex(), 2);
}

TEST_F(ComparePageTest, ClosingTheWindowDuringARunStopsIt)
{
    MakeTreesForAStoppedRun(tree);
    QTimer::singleShot(0, page, [&] { form->close(); });
    run(tree.path("A"), tree.path("B"));

    // Stopped like a cancel: the first folder of each level is still walked.
    EXPECT_GT(model().rowCount(), 0);
    EXPECT_LT(model().rowCount(), 24);
    EXPECT_FALSE(form->isBusy());
}

// The first run after start-up: the panel covers the start button, both check boxes
// and the swap button, and neither a click where the swap button is nor its own
// handler swaps the paths of the running comparison.
TEST_F(ComparePageTest, ProgressPanelCoversTheTopBarFromTheFirstRun)
{
    makeTrees();
    bool checked = false;
    QTimer::singleShot(0, page, [&] {
        checked = true;
        ExpectProgressPanelCovers(
            form->services().progressPanel,
            {page->SwitchButton1, page->CheckBox3, page->CheckBox4, page->SpeedButton16});
        const QPoint swap = page->SpeedButton16->geometry().center();
        if (QWidget* hit = page->Panel2->childAt(swap))
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(page->Panel2, swap));
        page->SpeedButton16->click();
    });
    run(tree.path("A"), tree.path("B"));

    EXPECT_TRUE(checked);
    EXPECT_EQ(page->PathA->Edit->text().toStdString(), tree.path("A"));
    EXPECT_EQ(page->PathB->Edit->text().toStdString(), tree.path("B"));
    page->SpeedButton16->click();
    EXPECT_EQ(page->PathA->Edit->text().toStdString(), tree.path("B"));
}

// The window answers as soon as a run starts: an event waiting at the click is
// handled, with the progress panel shown, before the first folder is listed.
TEST_F(ComparePageTest, TheFirstPumpedEventComesBeforeAnyFolderIsListed)
{
    makeTrees();
    std::vector<std::string> events;
    QTimer::singleShot(0, page, [&] {
        events.emplace_back(form->services().progressPanel.isVisible() ? "event, panel shown"
                                                                       : "event");
    });
    quorvex::platform::SetFaultHook([&](quorvex::platform::FaultPoint point, std::string_view) {
        if (point == quorvex::platform::FaultPoint::List)
            events.emplace_back("listed");
        return false;
    });
    run(tree.path("A"), tree.path("B"));
    quorvex::platform::SetFaultHook(nullptr);

    ASSERT_GT(events.size(), 1u);
    EXPECT_EQ(events.front(), "event, panel shown");
    EXPECT_EQ(model().rowCount(), 5);
}

TEST_F(ComparePageTest, SortsByContentAndSizeWithMarkers)
{
    makeTrees();
    page->CheckBox3->setChecked(true);
    run(tree.path("A"), tree.path("B"));

    clickHeader(5);
    EXPECT_EQ(column(5), (QStringList{"", "", "50%", "85%", "100%"}));
    EXPECT_EQ(header().columnImage(5), 17);
    clickHeader(5);
    EXPECT_EQ(column(5), (QStringList{"100%", "85%", "50%", "", ""}));
    EXPECT_EQ(header().columnImage(5), 16);

    clickHeader(2); // by the marker texts
    EXPECT_EQ(column(2), (QStringList{"", "", " 同", " 同", "小-大"}));
    EXPECT_EQ(header().columnImage(2), 17);
    EXPECT_EQ(header().columnImage(5), -1);
}

TEST_F(ComparePageTest, RestoreOrderRemovesMarkerAndResizeKeepsItOff)
{
    makeTrees();
    run(tree.path("A"), tree.path("B"));
    const QStringList restored = column(0);
    page->ListView2->resize(page->ListView2->width() - 10, page->ListView2->height());
    EXPECT_EQ(header().columnImage(0), -1); // no marker before any sort

    clickHeader(3);
    ASSERT_EQ(header().columnImage(3), 17);
    page->N9->trigger();
    EXPECT_EQ(column(0), restored);
    EXPECT_EQ(header().columnImage(3), -1);
    page->ListView2->resize(page->ListView2->width() + 10, page->ListView2->height());
    EXPECT_EQ(header().columnImage(3), -1);
    EXPECT_EQ(page->sortState().SortDirection(), -1);
}

// Restoring the order is a run of its own: the window answers meanwhile, with the
// progress panel shown, and Cancel leaves the rows and the marker as they were.
TEST_F(ComparePageTest, RestoringTheOrderIsARunThatCancelLeavesUndone)
{
    makeTrees();
    run(tree.path("A"), tree.path("B"));
    const QStringList restored = column(0);
    clickHeader(0);
    const QStringList sorted = column(0);
    const int marker = header().columnImage(0);
    ASSERT_NE(sorted, restored);
    ASSERT_NE(marker, -1);

    bool panelShown = false;
    QTimer::singleShot(0, page, [&] {
        panelShown = form->services().progressPanel.isVisible();
        TSwitchButton& cancel = *form->services().progressPanel.CancelBtn;
        const QPoint centre = cancel.rect().center();
        QTest::mousePress(&cancel, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(&cancel, Qt::LeftButton, {}, centre);
    });
    page->N9->trigger();
    EXPECT_TRUE(panelShown);
    EXPECT_EQ(column(0), sorted);
    EXPECT_EQ(header().columnImage(0), marker);
    EXPECT_FALSE(form->isBusy());

    page->N9->trigger();
    EXPECT_EQ(column(0), restored);
    EXPECT_EQ(header().columnImage(0), -1);
}

TEST_F(ComparePageTest, ClickedNameCellShowsItsPathAndIconsAreAskedOncePerExtension)
{
    tree.file("A/sub/a.txt", "1");
    tree.file("A/sub/b.TXT", "1");
    tree.file("A/sub/c.txt", "1");
    tree.dir("B/sub");
    run(tree.path("A"), tree.path("B"));
    ASSERT_EQ(column(0), (QStringList{"sub", "a.txt", "b.TXT", "c.txt"}));

    IconLookup& icons = form->services().paths.icons();
    const int before = icons.desktopQueries();
    page->ListView2->viewport()->grab();
    page->ListView2->viewport()->grab();
    // One folder, and one question for the three text files.
    EXPECT_EQ(icons.desktopQueries() - before, 2);

    const QRect nameB = page->ListView2->visualRect(model().index(1, 1));
    QTest::mouseClick(page->ListView2->viewport(), Qt::LeftButton, {}, nameB.center());
    EXPECT_EQ(page->ListView2->ClickedSide(), 1);
    EXPECT_EQ(form->statusText(0), QString::fromStdString(tree.path("B/sub/なし")));
}

TEST_F(ComparePageTest, HistoriesWrittenAtCloseArePruned)
{
    std::vector<std::string> lines;
    for (int n = 0; n < 20; ++n)
        lines.push_back(tree.dir("h" + std::to_string(n)));
    lines.insert(lines.begin() + 18, tree.path("gone"));
    ASSERT_TRUE(quorvex::platform::WriteTextLinesAtomically(tree.path("data/data1.txt"), lines));
    reopen();
    ASSERT_EQ(page->PathA->ComboBox->count(), 21);

    makeTrees();
    run(tree.path("A"), tree.path("B"));
    page->PathA->AddToHistory(QString::fromStdString(tree.path("H1")));
    EXPECT_EQ(page->PathA->ComboBox->count(), 22); // the run's A; h1 in other case is known
    form->close();

    std::vector<std::string> expected(lines.begin() + 5, lines.end());
    std::erase(expected, tree.path("gone"));
    expected.push_back(tree.path("A"));
    EXPECT_EQ(quorvex::platform::ReadTextLines(tree.path("data/data1.txt")), expected);
    EXPECT_EQ(quorvex::platform::ReadTextLines(tree.path("data/data2.txt")),
              std::vector<std::string>{tree.path("B")});
}

} // namespace
