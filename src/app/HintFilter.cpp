#include "app/HintFilter.h"

#include "desktop/Hint.h"
#include "desktop/StatusBar.h"

#include <QCursor>
#include <QEvent>
#include <QStatusTipEvent>
#include <QWidget>

HintFilter::HintFilter(QWidget& window, StatusBar& status)
    : QObject(&window), window_(window), status_(status)
{
}

// Qt tells a control that the pointer entered it, but not a parent that the pointer
// came back to from one of its controls, so a Leave looks at what the pointer is over
// now.
bool HintFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::Enter || type == QEvent::Leave) && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == &window_)
            showHintOf(type == QEvent::Enter ? widget : controlUnderPointer());
    } else if (type == QEvent::StatusTip && holds(*watched)) {
        showHint(static_cast<QStatusTipEvent*>(event)->tip());
    }
    return QObject::eventFilter(watched, event);
}

QWidget* HintFilter::controlUnderPointer() const
{
    const QPoint at = window_.mapFromGlobal(QCursor::pos());
    if (!window_.rect().contains(at))
        return nullptr;
    QWidget* control = window_.childAt(at);
    return control ? control : &window_;
}

// The window's popup menus are windows of their own, held by the window's controls.
bool HintFilter::holds(const QObject& object) const
{
    for (const QObject* owner = &object; owner; owner = owner->parent())
        if (owner == &window_)
            return true;
    return false;
}

void HintFilter::showHintOf(const QWidget* control)
{
    QString hint;
    for (; control && hint.isEmpty(); control = control->parentWidget())
        hint = LongHint(*control);
    showHint(hint);
}

void HintFilter::showHint(const QString& hint)
{
    if (hint == currentHint_)
        return;
    currentHint_ = hint;
    status_.setText(0, hint);
}
