// Every page worked with the keyboard alone: Tab reaches the page's start button,
// Space or Return presses it (as does Return in a path field), and while a run
// covers the start button the cancel button has the focus, until the run ends.
#include "compare/ui/ComparePage.h"
#include "compare/ui/ComparePageFixture.h"
#include "compare/ui/ComparisonListModel.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "desktop/PathInput.h"
#include "duplicates/ui/DupListModel.h"
#include "duplicates/ui/DupSearchPage.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemsPage.h"
#include "support/FormFixture.h"
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

    // Shows the page with the focus on its tab.
    template <typename Page> Page& showPage(int index)
    {
        form->PageControl1->setCurrentIndex(index);
        form->PageControl1->tabBar()->setFocus(Qt::TabFocusReason);
        return *form->findChild<Page*>();
    }

    static bool tabTo(QWidget* target)
    {
        for (int presses = 0; presses < 30 && !target->hasFocus(); ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return target->hasFocus();
    }

    // Presses Space on the focus widget once the run processes events.
    void pressSpaceDuringTheRun(QWidget* expectedFocus)
    {
        QTimer::singleShot(0, form.get(), [this, expectedFocus] {
            focusDuringRun = QApplication::focusWidget() == expectedFocus;
            runShown = form->isBusy();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
    }

    std::unique_ptr<TForm1> form;
    bool focusDuringRun = false;
    bool runShown = false;
};

TEST_F(KeyboardUseTest, AComparisonRunsFromItsButtonOrAPathFieldAndCancelsFromTheKeyboard)
{
    MakeTreesForAStoppedRun(tree);
    auto& page = showPage<ComparePage>(0);
    page.PathA->setText(QString::fromStdString(tree.path("A")));
    page.PathB->setText(QString::fromStdString(tree.path("B")));
    ASSERT_TRUE(tabTo(page.SwitchButton1));

    pressSpaceDuringTheRun(&form->CancelBtn());
    QTest::keyClick(page.SwitchButton1, Qt::Key_Space);
    EXPECT_TRUE(focusDuringRun);
    EXPECT_TRUE(form->CancelBtn().Down());
    EXPECT_LT(page.model().rowCount(), 24);
    EXPECT_TRUE(page.SwitchButton1->hasFocus());

    page.PathB->Edit->setFocus();
    QTest::keyClick(page.PathB->Edit, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 24);
}

TEST_F(KeyboardUseTest, ADuplicateSearchRunsFromItsButtonOrAPathField)
{
    tree.file("s/a.txt", "same");
    tree.file("s/b.txt", "same");
    auto& page = showPage<DupSearchPage>(1);
    page.FolderInput->setText(QString::fromStdString(tree.path("s")));
    ASSERT_TRUE(tabTo(page.SwitchButton8));
    QTest::keyClick(page.SwitchButton8, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 2);
    EXPECT_TRUE(page.SwitchButton8->hasFocus());

    for (const char* copy : {"u/a.txt", "u/b.txt", "u/c.txt"})
        tree.file(copy, "other");
    page.FolderInput->setText(QString::fromStdString(tree.path("u")));
    page.FolderInput->Edit->setFocus();
    QTest::keyClick(page.FolderInput->Edit, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 3);
}

TEST_F(KeyboardUseTest, TheEmptyItemSearchStartsAndStopsWithItsOwnButton)
{
    for (int i = 0; i < 300; ++i)
        tree.dir("t/d" + std::to_string(1000 + i));
    auto& page = showPage<EmptyItemsPage>(2);
    ASSERT_TRUE(tabTo(page.SwitchButton5));
    dialogs.scriptFolder(QString::fromStdString(tree.path("t")));
    pressSpaceDuringTheRun(page.SwitchButton5);
    QTest::keyClick(page.SwitchButton5, Qt::Key_Space);
    EXPECT_TRUE(runShown);
    EXPECT_TRUE(focusDuringRun);
    EXPECT_LT(page.model().rowCount(), 300);
}

TEST_F(KeyboardUseTest, TheTrashOpensAndTheTopBarAnswersFromTheKeyboard)
{
    auto& page = showPage<TrashPage>(3);
    ASSERT_TRUE(tabTo(page.GomiOpenSwBtn));
    QTest::keyClick(page.GomiOpenSwBtn, Qt::Key_Space);
    EXPECT_EQ(page.Panel11->text(), QStringLiteral("0 個"));

    ASSERT_TRUE(tabTo(form->SwitchButton3));
    QTest::keyClick(form->SwitchButton3, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
