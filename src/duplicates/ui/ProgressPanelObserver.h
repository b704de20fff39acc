#pragma once
// Reports a run of pages 0 and 1 on the shared progress panel: the overall progress
// on ColorProgressBar1, the progress within a file on ProgressBar1, and the down
// state of CancelBtn as the stop request. Pumping lets the window process pending
// events, so painting, the cancel button and the progress stay live during the run;
// it does so at most every few milliseconds, since a search may pump once per file
// of a large tree.

#include "core/RunObserver.h"

#include <QElapsedTimer>

class MainContext;

class ProgressPanelObserver : public quorvex::RunObserver
{
public:
    // `stop` is a further stop request of the caller (the window is closing).
    ProgressPanelObserver(MainContext& context, const bool& stop) : context_(context), stop_(stop)
    {
    }

    void setOverallMax(std::uint64_t max) override;
    void setOverallPosition(std::uint64_t position) override;
    void stepOverall(std::uint64_t by) override;
    void setFileMax(std::uint64_t max) override;
    void setFilePosition(std::uint64_t position) override;
    void pumpMessages() override;
    bool cancelRequested() const override;

private:
    MainContext& context_;
    const bool& stop_;
    QElapsedTimer sincePump_;
    std::uint64_t fileMax_ = 0;
};
