#pragma once
// Reports a run of pages 0 and 1 on the shared progress panel: the overall progress
// on ColorProgressBar1, the progress within a file on ProgressBar1, and the down
// state of CancelBtn as the stop request. Pumping lets the window process pending
// events, so painting, the cancel button and the progress stay live during the run.

#include "core/RunObserver.h"

#include <QElapsedTimer>

class MainContext;

// Processes pending events at most every few milliseconds: a run may pump once per
// entry of a large tree, and a pass per entry would cost more than the entry itself.
class ThrottledEventPump
{
public:
    void pump();
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
    explicit ProgressPanelObserver(MainContext& context, const bool* stop = nullptr)
        : context_(context), stop_(stop)
    {
    }

    // Before a run: the first pump processes events at once.
    void start() { pump_.restart(); }

    void setOverallMax(std::uint64_t max) override;
    void setOverallPosition(std::uint64_t position) override;
    void stepOverall(std::uint64_t by) override;
    void setFileMax(std::uint64_t max) override;
    void setFilePosition(std::uint64_t position) override;
    void pumpMessages() override { pump_.pump(); }
    bool cancelRequested() const override;

private:
    MainContext& context_;
    const bool* stop_;
    ThrottledEventPump pump_;
    std::uint64_t fileMax_ = 0;
};
