#pragma once
// One run of a page, for as long as the scope lives: the window counts it as going
// on, the observer's indicator is shown with no stop asked for and the observer
// started; closing the main window tells the observer, so that the run stops. The
// indicator is hidden and the run uncounted again when the scope ends, however the
// run ended, an exception included.
//
//   {
//       const RunScope run(progress_, services_.runs);
//       engine.Start(..., progress_);   // stops on the indicator's request or a close
//   }
//   if (!progress_.windowClosing()) ...

#include <QObject>

class RunCounter;
class RunIndicatorObserver;

class RunScope : public QObject
{
public:
    RunScope(RunIndicatorObserver& observer, RunCounter& runs);
    ~RunScope() override;
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RunIndicatorObserver& observer_;
    RunCounter& runs_;
};
