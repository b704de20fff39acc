// The main window: default colours, page switching while busy, the taskbar caption,
// the mask controls and the Option page.
#include "app/ColorPanel.h"
#include "app/MainWindowRun.h"
#include "app/MaskBar.h"
#include "app/OptionsPage.h"
#include "app/TForm1.h"
#include "controls/TColorProgressBar.h"
#include "controls/TSwitchButton.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/PathInput.h"
#include "desktop/ProgressPanel.h"
#include "desktop/RunIndicatorObserver.h"
#include "desktop/RunScope.h"
#include "desktop/StatusBar.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemListView.h"
#include "empty/ui/EmptyItemsPage.h"
#include "support/FormFixture.h"
#include "support/ListRows.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>

namespace {

using MainWindowTest = FormFixture;

TEST_F(MainWindowTest, DefaultColoursFollowTheScreenDepth)
{
    auto form = makeForm(8);
    EXPECT_EQ(form->findChild<OptionsPage*>()->Panel1->colorRef(), 0x00FFFFu);
    EXPECT_EQ(form->findChild<OptionsPage*>()->Panel6->colorRef(), 0x00FF00u);
    EXPECT_EQ(form->findChild<OptionsPage*>()->Panel7->colorRef(), 0xFF00FFu);
    EXPECT_EQ(form->services().progressPanel.ColorProgressBar1->BarColor(), QColor(0, 0, 128));

    form = makeForm(24);
    EXPECT_EQ(form->findChild<OptionsPage*>()->Panel1->colorRef(), 0x30E2FCu);
    EXPECT_EQ(form->findChild<OptionsPage*>()->Panel6->colorRef(), 0x73D299u);
    EXPECT_EQ(form->findChild<OptionsPage*>()->Panel7->colorRef(), 0xB3B3FFu);
    EXPECT_EQ(form->services().listLook.matchColor(), QColor(0x99, 0xD2, 0x73));
    EXPECT_EQ(form->services().progressPanel.ColorProgressBar1->BarColor(), QColor(78, 95, 129));
}

TEST_F(MainWindowTest, WindowFrameAndPages)
{
    auto form = makeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quorvex"));
    EXPECT_EQ(form->size(), QSize(792, 508));
    const QStringList expected = {
        "ファイルの比較", "重複と同一ファイルの検索", "空のフォルダとファイル", "ごみ箱", "Option",
        "検索履歴の編集"};
    ASSERT_EQ(form->PageControl1->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(form->PageControl1->tabText(i), expected[i]);
    // Tabs 2 and 3 show pictures 3 and 4 of the image list, the others none.
    for (int i = 0; i < expected.size(); ++i) {
        const QImage shown = form->PageControl1->tabIcon(i).pixmap(16, 16).toImage();
        const int picture = i == 2 ? 3 : i == 3 ? 4 : -1;
        EXPECT_EQ(shown.isNull(), picture < 0) << i;
        if (picture >= 0) {
            EXPECT_TRUE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                        ImageList1()[picture])
                << i;
        }
    }
    EXPECT_EQ(PageIndex(form->currentPage()), 0);
}

TEST_F(MainWindowTest, PageChangeIsRefusedWhileBusy)
{
    auto form = makeForm();
    form->show();
    auto* progressHost = new QWidget(form->sheet(Page::Compare));
    form->registrations().setProgressPanelHost(Page::Compare, *progressHost);
    // A page's own sign of a run, as the empty-item page's find animation.
    struct OwnIndicator : RunIndicator
    {
        void showRun() override {}
        void hideRun() override {}
        bool stopRequested() const override { return false; }
    } ownIndicator;
    RunIndicatorObserver panelRun(form->services().progressPanel), ownRun(ownIndicator);
    std::vector<int> changes;
    form->registrations().addPageChangeHandler([&](int page) { changes.push_back(page); });

    QTabBar* tabs = form->PageControl1->tabBar();
    auto run = std::make_optional<RunScope>(panelRun, form->services().runs);
    EXPECT_TRUE(form->isBusy());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    EXPECT_EQ(PageIndex(form->currentPage()), 0);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(form->services().progressPanel.parentWidget(), progressHost);

    run.reset();
    run.emplace(ownRun, form->services().runs);
    form->PageControl1->setCurrentIndex(2);
    EXPECT_EQ(PageIndex(form->currentPage()), 0);

    run.reset();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    EXPECT_EQ(PageIndex(form->currentPage()), 3);
    EXPECT_EQ(changes, std::vector<int>{3});
}

// A click on another tab while a page searches leaves that page in view.
TEST_F(MainWindowTest, ThePageStaysDuringASearch)
{
    for (const char* name : {"s/a.txt", "s/b.txt", "s/sub/c.txt"})
        tree.file(name, "first text");
    auto form = makeForm();
    form->show();
    form->PageControl1->setCurrentIndex(PageIndex(Page::Duplicates));
    auto* page = form->findChild<DupSearchPage*>();
    ASSERT_NE(page, nullptr);
    int pageDuringRun = -1;
    // Runs at the first event processing of the search, as a user's click would.
    QTimer::singleShot(0, form.get(), [&] {
        QTabBar* tabs = form->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        pageDuringRun = PageIndex(form->currentPage());
    });
    page->FolderInput->Edit->setText(QString::fromStdString(tree.path("s")));
    const QPoint centre = page->SwitchButton8->rect().center();
    QTest::mousePress(page->SwitchButton8, Qt::LeftButton, {}, centre);
    QTest::mouseRelease(page->SwitchButton8, Qt::LeftButton, {}, centre);
    EXPECT_EQ(pageDuringRun, 1);
    EXPECT_EQ(PageIndex(form->currentPage()), 1);
}

TEST_F(MainWindowTest, TaskbarCaptionShowsPercentOnlyWhileMinimisedAndRunning)
{
    const QString title = QStringLiteral("Quorvex");
    EXPECT_EQ(TForm1::WantedTitle(title, false, true, 37), QStringLiteral("37% Quorvex"));
    EXPECT_EQ(TForm1::WantedTitle(title, true, true, 37), title);
    EXPECT_EQ(TForm1::WantedTitle(title, false, false, 37), title);
}

TEST_F(MainWindowTest, CheckBox1EnablesTheOtherMaskControls)
{
    auto form = makeForm();
    EXPECT_FALSE(form->Panel4->CheckBox1->isEnabled());
    EXPECT_FALSE(form->Panel4->ExclusionChkBox->isEnabled());
    EXPECT_FALSE(form->Panel4->MaskTitleComboBox->isEnabled());
    form->Panel4->CheckBox1->setEnabled(true);
    form->Panel4->CheckBox1->setChecked(true);
    EXPECT_TRUE(form->Panel4->ExclusionChkBox->isEnabled());
    EXPECT_TRUE(form->Panel4->MaskTitleComboBox->isEnabled());
    EXPECT_TRUE(form->services().filters.useMasks);
    form->Panel4->CheckBox1->setChecked(false);
    EXPECT_FALSE(form->Panel4->MaskTitleComboBox->isEnabled());
    EXPECT_FALSE(form->services().filters.useMasks);
}

TEST_F(MainWindowTest, AttributeBoxesDriveFiltersAndStatusPanel)
{
    auto form = makeForm();
    OptionsPage& options = *form->findChild<OptionsPage*>();
    options.HidenOkChkBox->setChecked(true);
    EXPECT_EQ(form->statusText(1), QStringLiteral("隠し属性"));
    EXPECT_TRUE(form->services().filters.includeHidden);
    options.SystemOkChkBox->setChecked(true);
    EXPECT_EQ(form->statusText(1), QStringLiteral("システム属性、隠し属性"));
    options.HidenOkChkBox->setChecked(false);
    options.SystemOkChkBox->setChecked(false);
    EXPECT_EQ(form->statusText(1), QString());
    EXPECT_FALSE(form->services().filters.includeSystem);
}

TEST_F(MainWindowTest, ColourPanelsResetAndChoose)
{
    auto form = makeForm(8);
    OptionsPage& options = *form->findChild<OptionsPage*>();
    QTest::mouseClick(options.Panel6, Qt::LeftButton);
    EXPECT_EQ(options.Panel6->colorRef(), 0x00FF00u);
    QTest::mouseClick(options.Panel6, Qt::RightButton);
    EXPECT_EQ(options.Panel6->colorRef(), 0xEEFDF3u);
    QTest::mouseClick(options.Panel1, Qt::RightButton);
    EXPECT_EQ(options.Panel1->colorRef(), 0xF3E9DEu);
    options.SpeedButton17->click();
    EXPECT_EQ(options.Panel6->colorRef(), 0x00FF00u);

    dialogs.scriptColor(QColor(1, 2, 3));
    options.SpeedButton8->click();
    EXPECT_EQ(options.Panel7->colorRef(), 0x030201u);
    dialogs.scriptColor(std::nullopt);
    options.SpeedButton8->click();
    EXPECT_EQ(options.Panel7->colorRef(), 0x030201u);
}

} // namespace

namespace {

// Moves the pointer onto `widget` at `at` (its centre when null), as the mouse does,
// and returns what status panel 0 shows then.
QString pointAt(TForm1& form, QWidget* widget, QPoint at = QPoint())
{
    QTest::mouseMove(widget, at);
    QApplication::processEvents();
    return form.statusText(0);
}

// Qt tells a control that the pointer entered it, but not a parent that the pointer
// came back to from one of its controls.
TEST_F(MainWindowTest, StatusPanelZeroShowsTheHintUnderThePointer)
{
    auto form = makeForm();
    auto* hinted = new QWidget(form->sheet(Page::Options));
    SetHint(*hinted, QStringLiteral("比較の開始|ファイルの比較を開始します。"));
    hinted->setGeometry(300, 300, 100, 60);
    auto* child = new QWidget(hinted);
    child->setGeometry(10, 10, 40, 40);
    EXPECT_EQ(hinted->toolTip(), QStringLiteral("比較の開始"));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    EXPECT_EQ(pointAt(*form, form->SwitchButton2), QStringLiteral("バージョン情報"));
    EXPECT_EQ(form->StatusBar1->accessibleName(), QStringLiteral("バージョン情報"));
    const QPoint emptyStrip(170, 17); // between "終了" and the mask controls
    EXPECT_EQ(pointAt(*form, form->Panel3, emptyStrip), QString());
    pointAt(*form, form->SwitchButton2);
    EXPECT_EQ(pointAt(*form, form->SwitchButton3), QString());

    form->PageControl1->setCurrentIndex(PageIndex(Page::Compare));
    auto* start = form->sheet(Page::Compare)->findChild<QWidget*>(QStringLiteral("SwitchButton1"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(pointAt(*form, start), QStringLiteral("ファイルの比較を開始します。"));
    EXPECT_EQ(pointAt(*form, start->parentWidget(), start->geometry().bottomRight() + QPoint(8, 0)),
              QString());

    form->PageControl1->setCurrentIndex(PageIndex(Page::Options));
    EXPECT_EQ(pointAt(*form, child), QStringLiteral("ファイルの比較を開始します。"));
    form->setStatusText(0, QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(pointAt(*form, hinted, QPoint(80, 50)), QStringLiteral("/tmp/a.txt"))
        << "the same hint leaves the path shown";
    EXPECT_EQ(pointAt(*form, form->sheet(Page::Options), QPoint(20, 300)), QString());
}

// The pointer on an item of a page's popup menu shows the item's hint in status panel
// 0; an item without one empties the panel.
TEST_F(MainWindowTest, PopupItemsShowTheirHintsUnderThePointer)
{
    tree.file("t/a.txt");
    tree.dir("t/b");
    auto form = makeForm();
    form->show();
    form->PageControl1->setCurrentIndex(PageIndex(Page::EmptyItems));
    auto* page = form->findChild<EmptyItemsPage*>();
    ASSERT_NE(page, nullptr);
    dialogs.scriptFolder(QString::fromStdString(tree.path("t")));
    QTest::mouseClick(page->SwitchButton5, Qt::LeftButton);
    ASSERT_EQ(page->model().rowCount(), 2);
    quorvex::test::SelectRows(*page->ListView1, {1});
    page->PopupMenu2Popup();
    page->PopupMenu2->popup(page->ListView1->mapToGlobal(QPoint(40, 40)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page->PopupMenu2));
    const auto pointAt = [&](QAction* item) {
        QTest::mouseMove(page->PopupMenu2, page->PopupMenu2->actionGeometry(item).center());
        return form->statusText(0);
    };
    EXPECT_EQ(pointAt(page->DeleteMenu),
              QStringLiteral("選択しているリストのファイルをディスクから削除します。"));
    EXPECT_EQ(pointAt(page->Copy3), QString());
    EXPECT_EQ(pointAt(page->DeleteMenu),
              QStringLiteral("選択しているリストのファイルをディスクから削除します。"));
    page->PopupMenu2->close();
}

TEST_F(MainWindowTest, StatusBarIconsOnlyForPathsThatAreNotMissingSides)
{
    // Absolute paths in the system's form ("C:\home\a\b.txt" on Windows).
    const auto absolute = [](const QString& path) {
        return QDir::toNativeSeparators(QDir::rootPath() + path);
    };
    EXPECT_TRUE(StatusBar::IsIconPath(absolute(QStringLiteral("home/a/b.txt"))));
    EXPECT_FALSE(StatusBar::IsIconPath(absolute(QStringLiteral("home/a/なし"))));
    EXPECT_FALSE(StatusBar::IsIconPath(QStringLiteral("比較の開始")));
}

TEST_F(MainWindowTest, ResizeGivesPanelZeroTheRestOfTheWidth)
{
    auto form = makeForm();
    int seen = 0;
    form->registrations().addResizeHandler([&](int width) { seen = width; });
    form->setFixedSize(900, 508);
    QApplication::sendPostedEvents();
    form->show();
    EXPECT_EQ(seen, 900);
    EXPECT_EQ(form->StatusBar1->panelWidth(0), 900 - 160);
}

// The program shows why it could not build its window, and ends with status 0.
TEST(MainWindowRun, AnExceptionWhileTheWindowIsBuiltIsShownAndEndsTheProgram)
{
    ScriptedDialogs dialogs;
    const int status = RunMainWindow(dialogs, []() -> std::unique_ptr<QWidget> {
        throw std::runtime_error("設定を読めません");
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dialogs.texts(ScriptedDialogs::Kind::Message),
              QStringList{QStringLiteral("設定を読めません")});
}

} // namespace
