// Every page worked with the keyboard alone: Tab reaches the page's start button,
// Space or Return presses it (as does Return in a path field, which keeps the focus),
// and while a run covers the start button the cancel button has the focus, Tab never
// reaches the controls under the progress panel, and Space there stops the run.
#include "compare/ui/ComparePage.h"
#include "compare/ui/ComparePageFixture.h"
#include "compare/ui/ComparisonListModel.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "desktop/PathInput.h"
#include "desktop/ProgressPanel.h"
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

    // Once the run processes events: notes where the focus is, goes around the window
    // with Tab back to it (noting the controls under the progress panel that took the
    // focus), and presses Space there.
    void pressSpaceDuringTheRun(QWidget* expectedFocus)
    {
        QTimer::singleShot(0, form.get(), [this, expectedFocus] {
            focusDuringRun = QApplication::focusWidget() == expectedFocus;
            runShown = form->isBusy();
            for (int presses = 0; presses < 40; ++presses) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* focus = QApplication::focusWidget();
                if (focus == expectedFocus)
                    break;
                if (underTheProgressPanel(focus))
                    coveredFocus << focus->objectName();
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
    }

    bool underTheProgressPanel(QWidget* control) const
    {
        QWidget& panel = form->services().progressPanel;
        if (!panel.isVisible() || &panel == control || panel.isAncestorOf(control))
            return false;
        const QWidget* host = panel.parentWidget();
        return host->isAncestorOf(control) &&
               panel.geometry().intersects(QRect(control->mapTo(host, QPoint()), control->size()));
    }

    std::unique_ptr<TForm1> form;
    bool focusDuringRun = false;
    bool runShown = false;
    QStringList coveredFocus; // controls under the progress panel that took the focus
};

TEST_F(KeyboardUseTest, AComparisonRunsFromItsButtonOrAPathFieldAndCancelsFromTheKeyboard)
{
    MakeTreesForAStoppedRun(tree);
    auto& page = showPage<ComparePage>(0);
    page.PathA->setText(QString::fromStdString(tree.path("A")));
    page.PathB->setText(QString::fromStdString(tree.path("B")));
    ASSERT_TRUE(tabTo(page.SwitchButton1));

    pressSpaceDuringTheRun(form->services().progressPanel.CancelBtn);
    QTest::keyClick(page.SwitchButton1, Qt::Key_Space);
    EXPECT_TRUE(focusDuringRun);
    EXPECT_EQ(coveredFocus, QStringList());
    EXPECT_TRUE(form->services().progressPanel.CancelBtn->Down());
    EXPECT_LT(page.model().rowCount(), 24);
    EXPECT_TRUE(page.SwitchButton1->hasFocus());

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
    page.FolderInput->setText(QString::fromStdString(tree.path("s")));
    ASSERT_TRUE(tabTo(page.SwitchButton8));
    QTest::keyClick(page.SwitchButton8, Qt::Key_Return);
    EXPECT_EQ(page.model().rowCount(), 2);
    EXPECT_TRUE(page.SwitchButton8->hasFocus());

    pressSpaceDuringTheRun(form->services().progressPanel.CancelBtn);
    QTest::keyClick(page.SwitchButton8, Qt::Key_Return);
    EXPECT_TRUE(focusDuringRun);
    EXPECT_EQ(coveredFocus, QStringList());
    EXPECT_EQ(page.model().rowCount(), 0);
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
    EXPECT_FALSE(page.SwitchButton5->Down());
}

TEST_F(KeyboardUseTest, TheTrashOpensAndTheTopBarAnswersFromTheKeyboard)
{
    auto& page = showPage<TrashPage>(3);
    ASSERT_TRUE(tabTo(page.GomiOpenSwBtn));
    QTest::keyClick(page.GomiOpenSwBtn, Qt::Key_Space);
    EXPECT_EQ(page.Panel11->text(), QStringLiteral("0 個"));

    ASSERT_TRUE(tabTo(form->SwitchButton2));
    QTest::keyClick(form->SwitchButton2, Qt::Key_Space);
    ASSERT_EQ(dialogs.count(ScriptedDialogs::Kind::Message), 1);
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Message)[0].startsWith("Quorvex\nVersion"));
    ASSERT_TRUE(tabTo(form->SwitchButton3));
    QTest::keyClick(form->SwitchButton3, Qt::Key_Return);
    EXPECT_FALSE(form->isVisible());
}

} // namespace
