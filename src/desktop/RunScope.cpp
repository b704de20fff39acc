#include "desktop/RunScope.h"

#include "controls/TSwitchButton.h"
#include "desktop/MainContext.h"

#include <QEvent>
#include <QWidget>

RunScope::RunScope(MainContext& context, bool& closing) : context_(context), closing_(closing)
{
    closing_ = false;
    context_.CancelBtn().setDown(false);
    context_.Panel5().show();
    context_.mainWindow().installEventFilter(this);
}

RunScope::~RunScope()
{
    context_.mainWindow().removeEventFilter(this);
    context_.Panel5().hide();
}

bool RunScope::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &context_.mainWindow() && event->type() == QEvent::Close)
        closing_ = true;
    return QObject::eventFilter(watched, event);
}
