#pragma once
// How long a run has taken and how long it will still take, from the progress its
// engine reports through the RunObserver calls. The desktop program shows the times
// in the status bar, the command-line tool beside its bar. The clock is passed in so
// that tests can script the time.
//
// The share of the run done is measured in bytes when the engine reports the bytes
// it will read (setWorkTotal / addWorkDone), otherwise in the units of the overall
// progress (entries), refined by the progress within the current file. The time
// left is the elapsed time scaled by the share still to do. The shown estimate
// counts down and does not rise on the small changes of pace every run has; it
// rises only when the run has clearly slowed down.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

using RunDuration = std::chrono::milliseconds;

class RunClock
{
public:
    virtual ~RunClock() = default;
    // A monotonic time; only differences count.
    virtual RunDuration now() const = 0;
};

// The system's steady clock.
const RunClock& SteadyRunClock();

class RunEstimate
{
public:
    explicit RunEstimate(const RunClock& clock = SteadyRunClock()) : clock_(clock) {}

    // The run begins now: the progress and the estimate start afresh.
    void start();

    void setOverallMax(std::uint64_t max) { overallMax_ = max; }
    void setOverallPosition(std::uint64_t position) { overallPosition_ = position; }
    void stepOverall(std::uint64_t by) { overallPosition_ += by; }
    void setFileMax(std::uint64_t max) { fileMax_ = max; }
    void setFilePosition(std::uint64_t position) { filePosition_ = position; }
    void setWorkTotal(std::uint64_t bytes) { workTotal_ = bytes; }
    void addWorkDone(std::uint64_t bytes) { workDone_ += bytes; }

    // The share of the run done, from 0 to 1.
    double doneFraction() const;
    RunDuration elapsed() const { return clock_.now() - startedAt_; }
    // The time the run still needs, refreshed from the progress so far; nullopt
    // while too little is done to judge.
    std::optional<RunDuration> remaining();

private:
    const RunClock& clock_;
    RunDuration startedAt_{0};
    std::uint64_t overallMax_ = 0;
    std::uint64_t overallPosition_ = 0;
    std::uint64_t fileMax_ = 0;
    std::uint64_t filePosition_ = 0;
    std::uint64_t workTotal_ = 0;
    std::uint64_t workDone_ = 0;
    std::optional<RunDuration> shown_; // the estimate last given
    RunDuration shownAt_{0};           // the elapsed time it was given at
};

// "m:ss", or "h:mm:ss" from one hour on; whole seconds, rounded down.
std::string FormatRunDuration(RunDuration duration);

} // namespace quorvex
