#pragma once
// Reports a run of pages 0 and 1 on the shared progress panel: the overall progress
// on ColorProgressBar1, the progress within a file on ProgressBar1, and the down
// state of CancelBtn as the stop request. Pumping lets the window process pending
// events, so painting, the cancel button and the progress stay live during the run.
// Status bar panel 0 shows the elapsed time and the estimate of the time left while
// the run goes on, and the time it took once it has finished.

#include "common/RunEstimate.h"
#include "common/RunObserver.h"

#include <QString>

#include <QElapsedTimer>

class MainContext;

// Processes pending events at most every few milliseconds: a run may pump once per
// entry of a large tree, and a pass per entry would cost more than the entry itself.
class ThrottledEventPump
{
public:
    // True when events were processed this time.
    bool pump();
    // The next pump processes events at once.
    void restart() { sincePump_.invalidate(); }

private:
    QElapsedTimer sincePump_;
};

class ProgressPanelObserver : public quorvex::RunObserver
{
public:
    // `stop`, when given, is a further stop request of the caller (the window is
    // closing); it must outlive the observer.
    explicit ProgressPanelObserver(MainContext& context, const bool* stop = nullptr,
                                   const quorvex::RunClock& clock = quorvex::SteadyRunClock())
        : context_(context), stop_(stop), estimate_(clock)
    {
    }

    // Before a run: the first pump processes events at once; the clock starts.
    void start();
    // After a run: the status bar shows the time it took.
    void finish();

    void setOverallMax(std::uint64_t max) override;
    void setOverallPosition(std::uint64_t position) override;
    void stepOverall(std::uint64_t by) override;
    void setFileMax(std::uint64_t max) override;
    void setFilePosition(std::uint64_t position) override;
    void setWorkTotal(std::uint64_t bytes) override { estimate_.setWorkTotal(bytes); }
    void addWorkDone(std::uint64_t bytes) override { estimate_.addWorkDone(bytes); }
    void pumpMessages() override;
    bool cancelRequested() const override;

private:
    MainContext& context_;
    const bool* stop_;
    ThrottledEventPump pump_;
    std::uint64_t fileMax_ = 0;
    quorvex::RunEstimate estimate_;
    QString shownTimes_;
};
