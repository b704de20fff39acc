// The history page on a host of its own, beside the four path inputs whose
// drop-downs it edits: choosing a pair of histories, moving, deleting and sorting
// entries, applying them to the drop-downs and the files, discarding unapplied edits,
// and the splitter with the buttons that follow it.
#include "paths/ui/HistoryPage.h"
#include "app/SettingsStore.h"
#include "desktop/PathInput.h"
#include "platform/TextFile.h"
#include "support/PageHost.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

class HistoryPageTest : public ::testing::Test
{
protected:
    // Shows the page with the drop-downs of history files 1 to 4 loaded, and the
    // height of its upper list as the settings give it, when they do.
    void open(std::optional<int> listBox1Height = std::nullopt)
    {
        page = nullptr;
        host.reset();
        host = std::make_unique<PageHost>(dialogs, tree.path("data/"), Page::Histories);
        auto* inputs = new QWidget(host.get());
        inputs->hide();
        for (int n = 1; n <= 4; ++n) {
            const QString number = QString::number(n);
            PathInputNames names;
            names.edit = QStringLiteral("Edit") + number;
            names.comboBox = QStringLiteral("ComboBox") + number;
            names.button = QStringLiteral("SpeedButton") + number;
            names.historyNumber = n;
            new PathInput(*inputs, host->services(), names);
        }
        page = new HistoryPage(host->sheet(), host->services());
        if (listBox1Height)
            host->registrations().setSetting(PageSetting::ListBox1Height, *listBox1Height);
        host->start();
        QApplication::processEvents();
    }

    void writeHistory(int n, const std::vector<std::string>& lines)
    {
        tree.dir("data");
        ASSERT_TRUE(quorvex::platform::WriteTextLinesAtomically(
            tree.path("data/data" + std::to_string(n) + ".txt"), lines));
    }

    std::vector<std::string> readHistory(int n) const
    {
        return quorvex::platform::ReadTextLines(tree.path("data/data" + std::to_string(n) + ".txt"))
            .value_or(std::vector<std::string>{});
    }

    static QStringList lines(const QListWidget& list)
    {
        QStringList items;
        for (int row = 0; row < list.count(); ++row)
            items << list.item(row)->text();
        return items;
    }

    QComboBox& comboBox(int n) const
    {
        return *host->findChild<QComboBox*>(QStringLiteral("ComboBox") + QString::number(n));
    }

    QStringList comboLines(int n) const
    {
        QStringList items;
        const QComboBox& box = comboBox(n);
        for (int index = 0; index < box.count(); ++index)
            items << box.itemText(index);
        return items;
    }

    static QList<int> selectedRows(const QListWidget& list)
    {
        QList<int> rows;
        for (int row = 0; row < list.count(); ++row)
            if (list.item(row)->isSelected())
                rows << row;
        return rows;
    }

    // Clicks the first row, then control-clicks the others.
    static void select(QListWidget& list, std::initializer_list<int> rows)
    {
        Qt::KeyboardModifiers modifiers;
        for (const int row : rows) {
            ASSERT_LT(row, list.count());
            const QRect rect = list.visualItemRect(list.item(row));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
            modifiers = Qt::ControlModifier;
        }
    }

    void dragSplitter(int dy)
    {
        QWidget* handle = page->Splitter1->handle(1);
        const QPointF from = handle->rect().center();
        const QPointF to = from + QPointF(0, dy);
        const auto send = [handle](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, handle->mapToGlobal(at), Qt::LeftButton, buttons,
                              Qt::NoModifier);
            QApplication::sendEvent(handle, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    quorvex::test::TempTree tree;
    ScriptedDialogs dialogs;
    std::unique_ptr<PageHost> host;
    HistoryPage* page = nullptr;
};

TEST_F(HistoryPageTest, PageButtonsChooseOnePairAndLeavingDiscardsTheEdits)
{
    writeHistory(1, {"/a1", "/a2"});
    writeHistory(2, {"/b1"});
    writeHistory(3, {"/f1"});
    writeHistory(4, {"/d1", "/d2"});
    open();
    EXPECT_EQ(page->SpeedButton9->text(), "ファイルの比較");
    EXPECT_EQ(page->SpeedButton10->text(), "重複と同一ファイルの検索");

    page->SpeedButton9->click();
    EXPECT_EQ(lines(*page->ListBox1), QStringList({"/a1", "/a2"}));
    EXPECT_EQ(lines(*page->ListBox2), QStringList({"/b1"}));
    select(*page->ListBox1, {0});
    page->Button1->click();
    EXPECT_TRUE(page->SpeedButton11->isEnabled());

    // The other pair: the first button rises, the unapplied deletion is lost.
    page->SpeedButton10->click();
    EXPECT_FALSE(page->SpeedButton9->isChecked());
    EXPECT_EQ(lines(*page->ListBox1), QStringList({"/f1"}));
    EXPECT_EQ(lines(*page->ListBox2), QStringList({"/d1", "/d2"}));
    EXPECT_FALSE(page->SpeedButton11->isEnabled());
    EXPECT_FALSE(page->Button1->isEnabled());
    page->SpeedButton9->click();
    EXPECT_EQ(lines(*page->ListBox1), QStringList({"/a1", "/a2"}));

    select(*page->ListBox1, {0});
    page->Button1->click();
    host->registrations().pageChanged(PageIndex(Page::Options));
    host->registrations().pageChanged(PageIndex(Page::Histories));
    EXPECT_FALSE(page->SpeedButton9->isChecked());
    EXPECT_FALSE(page->SpeedButton10->isChecked());
    EXPECT_EQ(page->ListBox1->count(), 0);
    EXPECT_EQ(page->ListBox2->count(), 0);
    EXPECT_FALSE(page->SpeedButton11->isEnabled());
    EXPECT_EQ(comboLines(1), QStringList({"/a1", "/a2"}));
}

// An entry named in other bytes than UTF-8 shows as text; applied edits of its list
// write it back with the bytes read, so that it still names its folder.
TEST_F(HistoryPageTest, AppliedEditsKeepTheBytesOfEntriesRead)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows names are UTF-16: every name read is valid text";
#endif
    const std::string latin = tree.dir("caf\xe9"), plain = tree.dir("plain");
    writeHistory(1, {latin, plain});
    open();
    page->SpeedButton9->click();
    select(*page->ListBox1, {1});
    page->SpeedButton12->click();
    page->SpeedButton11->click();

    host->finish();
    EXPECT_EQ(readHistory(1), (std::vector<std::string>{plain, latin}));
}

TEST_F(HistoryPageTest, EditsReachTheDropDownsOnlyThroughApplyAndTheFilesAtClose)
{
    std::vector<std::string> upper;
    for (int n = 0; n < 5; ++n)
        upper.push_back(tree.dir("p" + std::to_string(n)));
    const std::string q0 = tree.dir("q0"), q1 = tree.file("q1.txt", "x");
    writeHistory(1, upper);
    writeHistory(2, {q0, q1});
    open();
    page->SpeedButton9->click();

    select(*page->ListBox1, {1, 3});
    page->Button1->click();
    select(*page->ListBox2, {1});
    page->SpeedButton14->click();
    EXPECT_EQ(comboLines(1).size(), 5);

    page->SpeedButton11->click();
    EXPECT_FALSE(page->SpeedButton11->isEnabled());
    const auto q = [](const std::string& path) { return QString::fromStdString(path); };
    EXPECT_EQ(comboLines(1), QStringList({q(upper[0]), q(upper[2]), q(upper[4])}));
    EXPECT_EQ(comboLines(2), QStringList({q(q1), q(q0)}));
    EXPECT_EQ(comboBox(1).currentIndex(), -1);

    host->finish();
    EXPECT_EQ(readHistory(1), (std::vector<std::string>{upper[0], upper[2], upper[4]}));
    EXPECT_EQ(readHistory(2), (std::vector<std::string>{q1, q0}));
}

TEST_F(HistoryPageTest, MovesTakeBlocksAlongAndNothingPassesTheEdge)
{
    writeHistory(1, {"/e0", "/e1", "/e2", "/e3", "/e4"});
    writeHistory(2, {"/l0", "/l1"});
    open();
    page->SpeedButton9->click();
    QListWidget& list = *page->ListBox1;

    select(list, {0, 2});
    page->SpeedButton12->click();
    EXPECT_EQ(lines(list), QStringList({"/e0", "/e1", "/e2", "/e3", "/e4"}));
    EXPECT_FALSE(page->SpeedButton11->isEnabled());
    page->SpeedButton13->click();
    EXPECT_EQ(lines(list), QStringList({"/e1", "/e0", "/e3", "/e2", "/e4"}));
    EXPECT_EQ(selectedRows(list), QList<int>({1, 3}));
    EXPECT_TRUE(page->SpeedButton11->isEnabled());

    select(list, {1, 2});
    page->SpeedButton12->click();
    EXPECT_EQ(lines(list), QStringList({"/e0", "/e3", "/e1", "/e2", "/e4"}));
    EXPECT_EQ(selectedRows(list), QList<int>({0, 1}));

    // The lower buttons work on the lower list.
    select(*page->ListBox2, {0});
    page->SpeedButton15->click();
    EXPECT_EQ(lines(*page->ListBox2), QStringList({"/l1", "/l0"}));
    EXPECT_EQ(lines(list), QStringList({"/e0", "/e3", "/e1", "/e2", "/e4"}));
}

TEST_F(HistoryPageTest, DeleteFollowsTheSelectionAndSortIgnoresCaseOnce)
{
    writeHistory(3, {"/s0", "/s1", "/s2"});
    writeHistory(4, {"/b", "/A", "/c", "/a"});
    open();
    page->SpeedButton10->click();
    QListWidget& list = *page->ListBox1;

    select(list, {1});
    page->Button1->click();
    EXPECT_EQ(lines(list), QStringList({"/s0", "/s2"}));
    list.clearSelection();
    EXPECT_FALSE(page->Button1->isEnabled());
    page->Button1Click(page->Button1); // nothing selected: "適用" stays enabled
    EXPECT_TRUE(page->SpeedButton11->isEnabled());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(page->Button1->isEnabled());

    select(*page->ListBox2, {2});
    page->Button4->click();
    EXPECT_EQ(lines(*page->ListBox2), QStringList({"/A", "/a", "/b", "/c"}));
    EXPECT_EQ(selectedRows(*page->ListBox2), QList<int>({3}));
    page->SpeedButton14->click();
    EXPECT_EQ(lines(*page->ListBox2), QStringList({"/A", "/a", "/c", "/b"}));
}

TEST_F(HistoryPageTest, DeletesInARowTakeTheNextEntryWithoutAnotherClickInTheList)
{
    writeHistory(1, {"/a0", "/a1", "/a2", "/a3"});
    open();
    page->SpeedButton9->click();
    QListWidget& list = *page->ListBox1;
    const auto clickDelete = [this] {
        QTest::mouseClick(page->Button1, Qt::LeftButton, {}, page->Button1->rect().center());
    };

    select(list, {1});
    clickDelete();
    EXPECT_EQ(lines(list), QStringList({"/a0", "/a2", "/a3"}));
    EXPECT_EQ(selectedRows(list), QList<int>({1}));
    EXPECT_TRUE(page->Button1->isEnabled());
    clickDelete();
    EXPECT_EQ(lines(list), QStringList({"/a0", "/a3"}));
    clickDelete(); // the last entry went: the new last one is next
    EXPECT_EQ(lines(list), QStringList({"/a0"}));
    EXPECT_EQ(selectedRows(list), QList<int>({0}));
    clickDelete();
    EXPECT_TRUE(lines(list).isEmpty());
    EXPECT_FALSE(page->Button1->isEnabled());
}

TEST_F(HistoryPageTest, ButtonsFollowTheListsAndTheSplitterHeightIsKept)
{
    open();
    const int half = page->ListBox1->width() / 2;
    EXPECT_EQ(page->SpeedButton9->x() + page->SpeedButton9->width() + 2, half);
    EXPECT_EQ(page->SpeedButton10->x(), half + 2);
    EXPECT_EQ(page->SpeedButton11->x(),
              page->SpeedButton10->x() + page->SpeedButton10->width() + 2);
    EXPECT_EQ(page->ListBox1->height(), HistoryPage::DefaultListBox1Height);

    dragSplitter(40);
    EXPECT_EQ(page->ListBox1->height(), HistoryPage::DefaultListBox1Height + 40);
    const int listBox2Top = page->ListBox2->mapTo(page, QPoint()).y();
    EXPECT_EQ(page->Button2->y(), listBox2Top + 8);
    EXPECT_EQ(page->Button4->y(), page->Button2->y() + page->Button2->height() + 2);
    EXPECT_EQ(page->SpeedButton14->y(), page->Button2->y());
    EXPECT_EQ(page->SpeedButton15->y(),
              page->SpeedButton14->y() + page->SpeedButton14->height() + 3);
    const std::optional<int> kept = host->registrations().setting(PageSetting::ListBox1Height);

    open(kept);
    EXPECT_EQ(page->ListBox1->height(), HistoryPage::DefaultListBox1Height + 40);
    dragSplitter(1000);
    EXPECT_EQ(page->ListBox2->height(), HistoryPage::MinListHeight);
    dragSplitter(-1000);
    EXPECT_EQ(page->ListBox1->height(), HistoryPage::MinListHeight);
}

TEST_F(HistoryPageTest, AStoredHeightBeyondThePageLeavesBothListsVisible)
{
    open(static_cast<int>(quorvex::app::kMaxListBoxHeight)); // the most the settings give
    EXPECT_EQ(page->ListBox2->height(), HistoryPage::MinListHeight);
}

} // namespace
