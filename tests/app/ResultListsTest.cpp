// What the three result lists have in common, each with rows of a real run in the
// main window: how a selected row is drawn, and their popup menus from the keyboard.
#include "compare/ui/ComparePage.h"
#include "compare/ui/ComparisonListView.h"
#include "controls/TSwitchButton.h"
#include "desktop/PathInput.h"
#include "duplicates/ui/DupListView.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemListView.h"
#include "empty/ui/EmptyItemsPage.h"
#include "support/FormFixture.h"
#include "support/ListRows.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

namespace {

class ResultListsTest : public FormFixture
{
protected:
    // One run on each page, each leaving two rows.
    void SetUp() override
    {
        FormFixture::SetUp();
        for (const char* name : {"x.txt", "y.txt"}) {
            tree.file(std::string("A/") + name, "same");
            tree.file(std::string("B/") + name, "same");
            tree.file(std::string("D/") + name, "duplicate");
            tree.file(std::string("E/") + name);
        }
        form = makeForm();
        form->show();

        auto* compare = form->findChild<ComparePage*>();
        compare->PathA->Edit->setText(QString::fromStdString(tree.path("A")));
        compare->PathB->Edit->setText(QString::fromStdString(tree.path("B")));
        click(compare->SwitchButton1);

        form->PageControl1->setCurrentIndex(PageIndex(Page::Duplicates));
        auto* duplicates = form->findChild<DupSearchPage*>();
        duplicates->FolderInput->Edit->setText(QString::fromStdString(tree.path("D")));
        click(duplicates->SwitchButton8);

        form->PageControl1->setCurrentIndex(PageIndex(Page::EmptyItems));
        auto* empty = form->findChild<EmptyItemsPage*>();
        dialogs.scriptFolder(QString::fromStdString(tree.path("E")));
        click(empty->SwitchButton5);

        lists = {{Page::Compare, compare->ListView2},
                 {Page::Duplicates, duplicates->ListView4},
                 {Page::EmptyItems, empty->ListView1}};
        for (const auto& [page, list] : lists)
            ASSERT_GE(list->model()->rowCount(), 2) << list->objectName().toStdString();
    }

    static void click(TSwitchButton* button)
    {
        const QPoint centre = button->rect().center();
        QTest::mousePress(button, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
    }

    // Shows the list's page with row 1 alone selected and current.
    void showWithRowOneSelected(Page page, ResultListView& list)
    {
        form->PageControl1->setCurrentIndex(PageIndex(page));
        list.setCurrentIndex(list.model()->index(1, 0));
        list.selectionModel()->select(list.model()->index(1, 0),
                                      QItemSelectionModel::ClearAndSelect |
                                          QItemSelectionModel::Rows);
    }

    std::unique_ptr<TForm1> form;
    std::vector<std::pair<Page, ResultListView*>> lists;
};

// How many pixels of the row's top edge, from beside the icon to the end of the
// first column, are dots of the focus rectangle (the highlight's inverse).
int focusDotsOnTopEdge(ResultListView& list, int row)
{
    const QImage shot = list.viewport()->grab().toImage();
    const QRect bounds = list.visualRect(list.model()->index(row, 0));
    const QColor highlight = list.palette().color(QPalette::Highlight);
    const QRgb dot = qRgb(255 - highlight.red(), 255 - highlight.green(), 255 - highlight.blue());
    int dots = 0;
    for (int x = list.columnViewportPosition(0) + 17; x < bounds.right(); ++x)
        dots += (shot.pixel(x, bounds.top()) & 0xFFFFFF) == (dot & 0xFFFFFF);
    return dots;
}

TEST_F(ResultListsTest, EverySelectedRowHasAFocusRectangle)
{
    for (const auto& [page, list] : lists) {
        showWithRowOneSelected(page, *list);
        const int width = list->columnWidth(0) - 17;
        EXPECT_GE(focusDotsOnTopEdge(*list, 1), width / 3) << list->objectName().toStdString();
        EXPECT_EQ(focusDotsOnTopEdge(*list, 0), 0) << list->objectName().toStdString();
    }
}

// The Menu key and Shift+F10 open the list's popup menu at the current row; so does
// the request the system makes of the Menu key. Escape closes it.
TEST_F(ResultListsTest, EveryPopupMenuOpensFromTheKeyboardAtTheCurrentRow)
{
    for (const auto& [page, list] : lists) {
        const std::string name = list->objectName().toStdString();
        showWithRowOneSelected(page, *list);
        list->setFocus();
        auto* menu = list->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr) << name;
        const QRect row = list->visualRect(list->model()->index(1, 0));
        const std::function<void()> asks[] = {
            [&] { QTest::keyClick(list, Qt::Key_Menu); },
            [&] { QTest::keyClick(list, Qt::Key_F10, Qt::ShiftModifier); },
            [&] {
                QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(1, 1),
                                          list->mapToGlobal(QPoint(1, 1)));
                QApplication::sendEvent(list, &request);
            }};
        for (const auto& ask : asks) {
            ask();
            ASSERT_EQ(QApplication::activePopupWidget(), menu) << name;
            const QPoint at = list->viewport()->mapFromGlobal(menu->pos());
            EXPECT_TRUE(at.y() >= row.top() && at.y() <= row.bottom() + 1)
                << name << " opened at " << at.y() << ", row " << row.top();
            QTest::keyClick(menu, Qt::Key_Escape);
            EXPECT_FALSE(menu->isVisible()) << name;
        }
    }
}

} // namespace
