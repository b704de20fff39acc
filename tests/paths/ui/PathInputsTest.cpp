// Path inputs: the drop rule on pages 0 and 1, the folder-or-file chooser, browsing
// from the A button, swapping, history entries and the status text of an edit field.
#include "compare/ui/ComparePageFixture.h"
#include "compare/ui/ComparisonListView.h"
#include "desktop/PageRegistrations.h"
#include "desktop/PathDrops.h"
#include "desktop/PathInput.h"
#include "desktop/PathServices.h"
#include "desktop/TFolderFileDlg.h"
#include "platform/TextFile.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

TEST(PathDrops, ComparePageAlternatesOutsideTheFields)
{
    QWidget window;
    QLineEdit edit1(&window), edit2(&window);
    PathPairDrop drops;
    const auto drop = [&](const QString& path, const QWidget* target) {
        drops.drop(path, target, edit1, edit2);
    };

    drop("/one", &window);
    drop("/two", nullptr);
    drop("/three", &window);
    EXPECT_EQ(edit1.text(), "/three");
    EXPECT_EQ(edit2.text(), "/two");

    // A drop onto B, then one outside: B, then A.
    drop("/onto-b", &edit2);
    EXPECT_FALSE(drops.DropAlternation());
    drop("/outside", &window);
    EXPECT_EQ(edit2.text(), "/onto-b");
    EXPECT_EQ(edit1.text(), "/outside");
    EXPECT_TRUE(drops.DropAlternation());
    drop("/onto-a", &edit1);
    EXPECT_EQ(edit1.text(), "/onto-a");
    EXPECT_TRUE(drops.DropAlternation());
}

// Each page's rule takes the drops while its page is in view; other pages ignore them.
TEST(PathDrops, SearchPageTakesFilesAndFoldersWhereverTheyLand)
{
    quorvex::test::TempTree tree;
    QLineEdit edit1, edit2, edit3, edit4;
    PathPairDrop pairDrop;
    PageRegistrations registrations;
    registrations.addDropHandler(Page::Compare, [&](const QString& path, const QWidget* target) {
        pairDrop.drop(path, target, edit1, edit2);
    });
    registrations.addDropHandler(Page::Duplicates, [&](const QString& path, const QWidget*) {
        DropFileOrFolder(path, edit3, edit4);
    });
    const QString file = QString::fromStdString(tree.file("f.txt", "x"));
    const QString folder = QString::fromStdString(tree.dir("d"));

    registrations.pageChanged(PageIndex(Page::Duplicates));
    registrations.dropped(file, &edit4);
    registrations.dropped(folder, &edit3);
    EXPECT_EQ(edit3.text(), file);
    EXPECT_EQ(edit4.text(), folder);
    registrations.pageChanged(PageIndex(Page::EmptyItems));
    registrations.dropped(file, nullptr);
    registrations.pageChanged(PageIndex(Page::Histories));
    registrations.dropped(file, nullptr);
    EXPECT_EQ(edit1.text(), "");
    EXPECT_FALSE(pairDrop.DropAlternation());
}

class PathInputsTest : public ComparePageFixture
{
protected:
    void dropOnWindow(const QStringList& paths, QPoint at)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
    }

    QPoint inWindow(QWidget* widget) { return widget->mapTo(form.get(), widget->rect().center()); }
};

TEST_F(PathInputsTest, WindowDropsUseTheFirstPathAndTheControlUnderThePoint)
{
    // Dropped paths arrive in the system's form ("C:\first" on Windows).
    const auto at = [](const char* name) {
        return QDir::toNativeSeparators(QDir::rootPath() + QLatin1String(name));
    };
    dropOnWindow({at("first"), at("second"), at("third"), at("fourth"), at("fifth")},
                 inWindow(page->ListView2));
    EXPECT_EQ(page->PathA->Edit->text(), at("first"));
    dropOnWindow({at("b")}, inWindow(page->PathB->Edit));
    EXPECT_EQ(page->PathB->Edit->text(), at("b"));
    dropOnWindow({at("a-again")}, inWindow(page->ListView2));
    EXPECT_EQ(page->PathA->Edit->text(), at("a-again"));
}

TEST_F(PathInputsTest, FolderFileDialogClosesOnlyOnAChoiceOrCancel)
{
    TFolderFileDlg dialog("/tmp", dialogs, form.get());
    dialog.show();
    dialogs.scriptFolder(QString());
    dialog.SpeedButton1->click();
    EXPECT_TRUE(dialog.isVisible());
    dialogs.scriptFile(QString());
    dialog.SpeedButton2->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialogs.calls().back().initialPath, "/tmp");

    dialogs.scriptFolder("/usr");
    dialog.SpeedButton1->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.ChosenPath(), "/usr");
    EXPECT_EQ(dialogs.calls().front().title, "比較するフォルダを選択して下さい");

    TFolderFileDlg cancelled("/tmp", dialogs, form.get());
    cancelled.show();
    cancelled.CancelButton->click();
    EXPECT_FALSE(cancelled.isVisible());
    EXPECT_EQ(cancelled.ChosenPath(), "");
}

TEST_F(PathInputsTest, BrowseButtonFillsItsFieldAndSwapTradesThem)
{
    page->PathB->Edit->setText("/start");
    dialogs.scriptFolder("/chosen");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TFolderFileDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->SpeedButton1->click();
    });
    page->PathB->Button->click();
    EXPECT_EQ(page->PathB->Edit->text(), "/chosen");
    EXPECT_EQ(dialogs.calls().back().initialPath, "/start");

    page->PathA->Edit->setText("/a");
    page->SpeedButton16->click();
    EXPECT_EQ(page->PathA->Edit->text(), "/chosen");
    EXPECT_EQ(page->PathB->Edit->text(), "/a");
}

TEST_F(PathInputsTest, HistoryEntriesFillTheFieldAndClicksShowItsText)
{
    ASSERT_TRUE(quorvex::platform::WriteFileAtomically(tree.path("data/data2.txt"),
                                                       "/one\r\n/two\r/three\n"));
    reopen();
    QComboBox& history = *page->PathB->ComboBox;
    ASSERT_EQ(history.count(), 3);
    EXPECT_EQ(history.itemText(2), "/three");
    EXPECT_EQ(form->services().paths.histories().entries(2).last(), "/three");

    emit history.activated(1);
    EXPECT_EQ(page->PathB->Edit->text(), "/two");

    page->PathB->AddToHistory("/TWO");
    page->PathB->AddToHistory("/four");
    EXPECT_EQ(history.count(), 4);

    QTest::mouseClick(page->PathB->Edit, Qt::LeftButton);
    EXPECT_EQ(form->statusText(0), "/two");
    EXPECT_EQ(page->PathB->Edit->width(), history.width() - 20);
    EXPECT_EQ(history.x() + history.width(), form->width() - 20);
}

} // namespace
