#pragma once
// What shows, for the length of a page's run, that the run goes on, and where the
// user asks it to stop: the shared progress panel (ProgressPanel) or a page's own
// sign of a search. RunScope shows it at the start and hides it at the end, however
// the run ended; RunIndicatorObserver passes the engine's progress on to it.

#include <QString>

#include <cstdint>

class RunIndicator
{
public:
    virtual ~RunIndicator() = default;

    // Shown with no stop asked for.
    virtual void showRun() = 0;
    virtual void hideRun() = 0;
    virtual bool stopRequested() const = 0;

    // The run's progress, overall and within a file, and its times; an indicator
    // without bars shows none of it.
    virtual void setOverallMax(std::uint64_t) {}
    virtual void setOverallPosition(std::uint64_t) {}
    virtual void stepOverall(std::uint64_t) {}
    virtual void setFileMax(std::uint64_t) {}
    virtual void setFilePosition(std::uint64_t) {}
    virtual void showTimes(const QString&) {}
};
