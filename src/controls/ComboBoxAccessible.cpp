#include "controls/ComboBoxAccessible.h"

#include "controls/AccessibleFactory.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

// A drop-down as Qt describes it (its list as a child, opening and closing as
// actions), except for the name.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox* comboBox)
        : QAccessibleWidget(comboBox, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value ||
            (which == QAccessible::Name && comboBox().accessibleName().isEmpty()))
            return comboBox().currentText();
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = comboBox().view()->isVisible();
        state.editable = comboBox().isEditable();
        return state;
    }

    // The list of entries, then the text field of an editable drop-down (such as
    // those of Qt's own dialogs).
    int childCount() const override { return comboBox().lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(comboBox().view());
        if (index == 1 && comboBox().lineEdit())
            return QAccessible::queryAccessibleInterface(comboBox().lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child->object() == comboBox().view())
            return 0;
        if (comboBox().lineEdit() && child->object() == comboBox().lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (comboBox().view()->isVisible())
            comboBox().hidePopup();
        else
            comboBox().showPopup();
    }

private:
    QComboBox& comboBox() const { return *static_cast<QComboBox*>(widget()); }
};

} // namespace

void InstallComboBoxAccessible()
{
    InstallAccessibleInterface<QComboBox, ComboBoxAccessible>();
}
