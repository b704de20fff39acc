#include "app/TopStrip.h"

#include <QEvent>

TopStrip::TopStrip(QWidget& strip) : QObject(&strip), strip_(strip)
{
    strip_.installEventFilter(this);
    watchParent();
}

bool TopStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &strip_) {
        if (event->type() == QEvent::ParentChange) {
            watchParent();
        } else if (event->type() == QEvent::Show) {
            fit();
            coverFocus();
        } else if (event->type() == QEvent::Hide) {
            uncoverFocus();
        }
    } else if (watched == parent_ && event->type() == QEvent::Resize) {
        fit();
    }
    return QObject::eventFilter(watched, event);
}

void TopStrip::watchParent()
{
    if (parent_)
        parent_->removeEventFilter(this);
    parent_ = strip_.parentWidget();
    if (parent_)
        parent_->installEventFilter(this);
    fit();
}

void TopStrip::fit()
{
    if (!parent_)
        return;
    strip_.setGeometry(0, 0, parent_->width(), strip_.height());
    strip_.raise();
}

void TopStrip::coverFocus()
{
    if (!parent_ || !covered_.empty())
        return;
    const QWidget* focus = strip_.window()->focusWidget();
    const QList<QWidget*> controls = parent_->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const QRect place(control->mapTo(parent_, QPoint(0, 0)), control->size());
        if (control == &strip_ || strip_.isAncestorOf(control) ||
            control->focusPolicy() == Qt::NoFocus || !strip_.geometry().intersects(place))
            continue;
        covered_.push_back({control, control->focusPolicy()});
        control->setFocusPolicy(Qt::NoFocus);
        if (control == focus)
            focusBefore_ = control;
    }
    if (!focusBefore_)
        return;
    const QList<QWidget*> own = strip_.findChildren<QWidget*>();
    for (QWidget* control : own)
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
}

void TopStrip::uncoverFocus()
{
    for (const Covered& covered : covered_)
        if (covered.widget)
            covered.widget->setFocusPolicy(covered.policy);
    covered_.clear();
    const QWidget* focus = strip_.window()->focusWidget();
    if (focusBefore_ && (!focus || strip_.isAncestorOf(focus)))
        focusBefore_->setFocus(Qt::OtherFocusReason);
    focusBefore_ = nullptr;
}
