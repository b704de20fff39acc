#include "desktop/RunScope.h"

#include "desktop/RunIndicator.h"
#include "desktop/RunIndicatorObserver.h"

#include <QEvent>
#include <QWidget>

RunScope::RunScope(RunIndicatorObserver& observer, QWidget& window)
    : observer_(observer), window_(window)
{
    observer_.indicator().showRun();
    window_.installEventFilter(this);
    observer_.start();
}

RunScope::~RunScope()
{
    window_.removeEventFilter(this);
    observer_.indicator().hideRun();
}

bool RunScope::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Close)
        observer_.setWindowClosing();
    return QObject::eventFilter(watched, event);
}
