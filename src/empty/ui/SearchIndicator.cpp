#include "empty/ui/SearchIndicator.h"

#include "controls/TSwitchButton.h"
#include "empty/ui/FindAnimation.h"

void SearchIndicator::showRun()
{
    toggle_.setDown(true);
    animation_.show();
    animation_.start();
    waitArea_.setCursor(Qt::WaitCursor);
}

void SearchIndicator::hideRun()
{
    waitArea_.unsetCursor();
    animation_.stop();
    animation_.hide();
}

bool SearchIndicator::stopRequested() const
{
    return !toggle_.Down();
}
