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
        if (event->type() == QEvent::ParentChange)
            watchParent();
        else if (event->type() == QEvent::Show)
            fit();
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
