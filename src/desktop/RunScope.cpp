#include "desktop/RunScope.h"

#include "desktop/RunCounter.h"
#include "desktop/RunIndicator.h"
#include "desktop/RunIndicatorObserver.h"

#include <QEvent>
#include <QWidget>

RunScope::RunScope(RunIndicatorObserver& observer, RunCounter& runs)
    : observer_(observer), runs_(runs)
{
    ++runs_.count_;
    observer_.indicator().showRun();
    runs_.window().installEventFilter(this);
    observer_.start();
}

RunScope::~RunScope()
{
    runs_.window().removeEventFilter(this);
    observer_.indicator().hideRun();
    --runs_.count_;
}

bool RunScope::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &runs_.window() && event->type() == QEvent::Close)
        observer_.setWindowClosing();
    return QObject::eventFilter(watched, event);
}
