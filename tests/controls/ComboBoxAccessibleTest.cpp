// A drop-down as screen readers see it: the name it was given whatever entry it
// shows, that entry as its value, its list as its child, and opening and closing.
#include "controls/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

TEST(ComboBoxAccessibility, ANamedDropDownKeepsItsNameWhateverEntryItShows)
{
    InstallComboBoxAccessible();
    QComboBox named;
    named.setAccessibleName(QStringLiteral("履歴 A"));
    named.addItems({QStringLiteral("/tmp/one"), QStringLiteral("/tmp/two")});
    named.setCurrentIndex(1);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&named);
    EXPECT_EQ(accessible->text(QAccessible::Name), "履歴 A");
    EXPECT_EQ(accessible->text(QAccessible::Value), "/tmp/two");
    named.setAccessibleName(QString()); // without a name of its own: named by its entry
    EXPECT_EQ(accessible->text(QAccessible::Name), "/tmp/two");

    ASSERT_EQ(accessible->childCount(), 1);
    EXPECT_EQ(accessible->child(0)->object(), static_cast<QObject*>(named.view()));
    named.show();
    accessible->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(accessible->state().expanded);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(accessible->state().expanded);
}

} // namespace
