// Every page worked with the keyboard alone: Tab reaches the page's start button,
// Space or Return presses it (or Return in a path field), the cancel button takes
// the focus while a run covers the start button and gives it back afterwards.
#include "FormFixture.h"
#include "app/OptionsPage.h"
#include "compare/ui/ComparePage.h"
#include "compare/ui/ComparePageFixture.h"
#include "compare/ui/ComparisonListModel.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "duplicates/ui/DupListModel.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemsPage.h"
#include "paths/ui/PathInput.h"
#include "trash/ui/TrashPage.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

class KeyboardUseTest : public FormFixture
{
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        form = makeForm();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename Page> Page& showPage(int index)
    {
        form->PageControl1->setCurrentIndex(index);
        form->PageControl1->tabBar()->setFocus(Qt::TabFocusReason);
        return *form->findChild<Page*>();
    }

    // Presses Tab until `target` has the focus; false if it never gets there.
    static bool tabTo(QWidget* target)
    {
        for (int presses = 0; presses < 30 && !target->hasFocus(); ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return target->hasFocus();
    }

    // Presses the focused cancel button once the run processes events.
    void cancelByKeyboardDuringTheRun()
    {
        QTimer::singleShot(0, form.get(), [this] {
            cancelHadFocus = form->CancelBtn().hasFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
    }

    void setPaths(PathInput& first, PathInput& second, const std::string& a, const std::string& b)
    {
        first.setText(QString::fromStdString(a));
        second.setText(QString::fromStdString(b));
    }

    std::unique_ptr<TForm1> form;
    bool cancelHadFocus = false;
};

TEST_F(KeyboardUseTest, AComparisonRunsFromItsButtonOrAPathFieldAndCancelsFromTheKeyboard)
{
    MakeTreesForAStoppedRun(tree);
    auto& page = showPage<ComparePage>(0);
    setPaths(*page.PathA, *page.PathB, tree.path("A"), tree.path("B"));
    ASSERT_TRUE(tabTo(page.SwitchButton1));

    cancelByKeyboardDuringTheRun();
    QTest::keyClick(page.SwitchButton1, Qt::Key_Space);
    EXPECT_TRUE(cancelHadFocus);
    EXPECT_TRUE(form->CancelBtn().Down());
    EXPECT_LT(page.model().rowCount(), 24);
    EXPECT_TRUE(page.SwitchButton1->hasFocus()); // given back after the run

    page.PathB->Edit->setFocus();
    QTest::keyClick(page.PathB->Edit, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 24);
    EXPECT_TRUE(page.PathB->Edit->hasFocus());
}

TEST_F(KeyboardUseTest, ADuplicateSearchRunsFromItsButtonOrAPathFieldAndCancels)
{
    tree.file("s/a.txt", "same");
    tree.file("s/b.txt", "same");
    auto& page = showPage<DupSearchPage>(1);
    setPaths(*page.FileInput, *page.FolderInput, "", tree.path("s"));
    ASSERT_TRUE(tabTo(page.SwitchButton8));
    QTest::keyClick(page.SwitchButton8, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 2);

    cancelByKeyboardDuringTheRun();
    QTest::keyClick(page.SwitchButton8, Qt::Key_Return);
    EXPECT_TRUE(cancelHadFocus);
    EXPECT_EQ(page.model().rowCount(), 0);
    EXPECT_TRUE(page.SwitchButton8->hasFocus());

    page.FolderInput->Edit->setFocus();
    QTest::keyClick(page.FolderInput->Edit, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 2);
}

TEST_F(KeyboardUseTest, TheEmptyItemSearchStartsAndStopsWithItsOwnButton)
{
    for (int i = 0; i < 300; ++i)
        tree.dir("t/d" + std::to_string(1000 + i));
    auto& page = showPage<EmptyItemsPage>(2);
    ASSERT_TRUE(tabTo(page.SwitchButton5));
    dialogs.scriptFolder(QString::fromStdString(tree.path("t")));
    bool searching = false;
    QTimer::singleShot(0, form.get(), [&] {
        searching = form->isBusy();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    });
    QTest::keyClick(page.SwitchButton5, Qt::Key_Space);
    EXPECT_TRUE(searching);
    EXPECT_EQ(dialogs.count(ScriptedDialogs::Kind::Folder), 1);
    EXPECT_LT(page.model().rowCount(), 300);
    EXPECT_FALSE(page.SwitchButton5->Down());
}

TEST_F(KeyboardUseTest, TheTrashOpensFromTheKeyboard)
{
    auto& page = showPage<TrashPage>(3);
    ASSERT_TRUE(tabTo(page.GomiOpenSwBtn));
    QTest::keyClick(page.GomiOpenSwBtn, Qt::Key_Space);
    EXPECT_TRUE(page.GomiOpenSwBtn->Down());
    EXPECT_EQ(page.Panel11->text(), QStringLiteral("0 個"));
    ASSERT_TRUE(tabTo(page.DelSwBtn));
}

TEST_F(KeyboardUseTest, TheTopBarButtonsAreReachedFromThePages)
{
    showPage<ComparePage>(0);
    ASSERT_TRUE(tabTo(form->SwitchButton2));
    QTest::keyClick(form->SwitchButton2, Qt::Key_Return);
    ASSERT_EQ(dialogs.count(ScriptedDialogs::Kind::Message), 1);
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Message)[0].startsWith("Quorvex\nVersion"));
    ASSERT_TRUE(tabTo(form->SwitchButton3));
    QTest::keyClick(form->SwitchButton3, Qt::Key_Space);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
