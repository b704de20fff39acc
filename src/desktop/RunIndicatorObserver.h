#pragma once
// Reports a page's runs on its RunIndicator: the progress goes to the indicator, and
// the run stops when the indicator asks for it or the main window is closing.
// Pumping lets the window process pending events, so painting, the stop request and
// the progress stay live during the run. The indicator shows the elapsed time and
// the estimate of the time left while the run goes on, and the time it took once it
// has finished.
//
// A page keeps one for all its runs (an engine may hold it) and runs each inside a
// RunScope over it.

#include "common/RunEstimate.h"
#include "common/RunObserver.h"

#include <QElapsedTimer>
#include <QString>

class RunIndicator;

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

class RunIndicatorObserver : public quorvex::RunObserver
{
public:
    explicit RunIndicatorObserver(RunIndicator& indicator,
                                  const quorvex::RunClock& clock = quorvex::SteadyRunClock())
        : indicator_(indicator), estimate_(clock)
    {
    }

    RunIndicator& indicator() const { return indicator_; }

    // Before a run (RunScope): no closing seen yet, the clock starts, pending events
    // are processed so that the indicator shows before any work, and the run's first
    // pump processes events at once.
    void start();
    // After a run that was carried out: the indicator shows the time it took.
    void finish();

    // The main window is closing: the run stops, and the page skips what would
    // follow it.
    void setWindowClosing() { windowClosing_ = true; }
    bool windowClosing() const { return windowClosing_; }

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
    RunIndicator& indicator_;
    bool windowClosing_ = false;
    ThrottledEventPump pump_;
    quorvex::RunEstimate estimate_;
    QString shownTimes_;
};
