// What screen readers read from the text panels and the drop-downs: names that stay,
// and the current text as content.
#include "controls/ComboBoxAccessible.h"
#include "controls/TextPanel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

QString wholeText(QAccessibleInterface& accessible)
{
    QAccessibleTextInterface* text = accessible.textInterface();
    return text ? text->text(0, text->characterCount()) : QStringLiteral("<no text>");
}

TEST(TextPanelAccessibility, ACountPanelKeepsItsNameAndOffersTheCountAsText)
{
    TextPanel panel;
    panel.setAccessibleName(QStringLiteral("個数"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&panel);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    panel.setText(QStringLiteral("8 個"));
    EXPECT_EQ(wholeText(*accessible), "8 個");
    panel.setText(QStringLiteral("3 個"));
    EXPECT_EQ(accessible->text(QAccessible::Name), "個数");
    EXPECT_EQ(accessible->text(QAccessible::Value), "3 個");
    EXPECT_EQ(wholeText(*accessible), "3 個");
    EXPECT_EQ(accessible->textInterface()->text(2, 3), "個");
}

TEST(TextPanelAccessibility, APanelWithoutANameOfItsOwnIsNamedByItsText)
{
    TextPanel panel;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&panel);
    panel.setText(QStringLiteral("隠し属性"));
    EXPECT_EQ(accessible->text(QAccessible::Name), "隠し属性");
    panel.setText(QString());
    EXPECT_EQ(accessible->text(QAccessible::Name), "");
}

TEST(TextPanelAccessibility, CharacterPlacesFollowTheDrawnText)
{
    TextPanel panel;
    panel.resize(200, 25);
    panel.setText(QStringLiteral("12 個"));
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&panel)->textInterface();
    const QRect first = text->characterRect(0);
    const QRect second = text->characterRect(1);
    EXPECT_EQ(first.left(), panel.mapToGlobal(QPoint(0, 0)).x());
    EXPECT_EQ(second.left(), first.right() + 1);
    EXPECT_EQ(text->offsetAtPoint(second.center()), 1);
    EXPECT_EQ(text->offsetAtPoint(panel.mapToGlobal(QPoint(190, 12))), -1);
    EXPECT_TRUE(text->characterRect(4).isNull());
}

TEST(ComboBoxAccessibility, ANamedDropDownKeepsItsNameWhateverEntryItShows)
{
    InstallComboBoxAccessible();
    QComboBox named, unnamed;
    named.setAccessibleName(QStringLiteral("履歴 A"));
    for (QComboBox* box : {&named, &unnamed}) {
        box->addItems({QStringLiteral("/tmp/one"), QStringLiteral("/tmp/two")});
        box->setCurrentIndex(1);
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&named);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::ComboBox);
    EXPECT_EQ(accessible->text(QAccessible::Name), "履歴 A");
    EXPECT_EQ(accessible->text(QAccessible::Value), "/tmp/two");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&unnamed)->text(QAccessible::Name), "/tmp/two");

    // Its list is its child, and it still opens and closes for screen readers.
    ASSERT_EQ(accessible->childCount(), 1);
    EXPECT_EQ(accessible->child(0)->object(), static_cast<QObject*>(named.view()));
    EXPECT_EQ(accessible->indexOfChild(accessible->child(0)), 0);
    const QStringList actions = accessible->actionInterface()->actionNames();
    EXPECT_TRUE(actions.contains(QAccessibleActionInterface::showMenuAction()));
    EXPECT_TRUE(actions.contains(QAccessibleActionInterface::pressAction()));
    named.show();
    accessible->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(accessible->state().expanded);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(accessible->state().expanded);
}

} // namespace
