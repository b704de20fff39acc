#pragma once
// The empty-item page's sign of a running search: the find animation Animate2 plays,
// the list shows the wait cursor, and the toggle SwitchButton5, raised, asks the
// search to stop.

#include "desktop/RunIndicator.h"

class FindAnimation;
class QWidget;
class TSwitchButton;

class SearchIndicator : public RunIndicator
{
public:
    SearchIndicator(FindAnimation& animation, TSwitchButton& toggle, QWidget& waitArea)
        : animation_(animation), toggle_(toggle), waitArea_(waitArea)
    {
    }

    void showRun() override;
    void hideRun() override;
    bool stopRequested() const override;

private:
    FindAnimation& animation_;
    TSwitchButton& toggle_;
    QWidget& waitArea_;
};
