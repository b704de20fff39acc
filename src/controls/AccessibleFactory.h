#pragma once
// How the program's widgets describe themselves to screen readers and test robots.
//
//   InstallAccessibleInterface<TSwitchButton, SwitchButtonAccessible>();
//   InstallAccessibleInterface<StatusBar, AccessibleWithRole<QAccessible::StatusBar>>();
//
// From then on Qt describes every widget of that class (and of its subclasses) through
// the given interface, constructed from the widget. Installing twice does nothing;
// widgets call it in their constructors, before anyone can ask about them.

#include <QAccessibleWidget>

template <typename Widget, typename Interface> void InstallAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* widget = qobject_cast<Widget*>(object);
            return widget ? new Interface(widget) : nullptr;
        });
        return true;
    }();
    (void)installed;
}

// A widget described by Qt's generic interface, with a role of its own.
template <QAccessible::Role fixedRole> class AccessibleWithRole : public QAccessibleWidget
{
public:
    explicit AccessibleWithRole(QWidget* widget) : QAccessibleWidget(widget, fixedRole) {}
};
