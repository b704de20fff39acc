#include "common/RunEstimate.h"

#include <algorithm>
#include <cstdio>

namespace quorvex {

namespace {

// Before this share of the run and this much time, an estimate would be a guess.
constexpr double kLeastFraction = 0.005;
constexpr RunDuration kLeastElapsed{1000};
// A new estimate above the counted-down one by more than this share (and this
// much time) means the run has slowed down for real; smaller rises are pace noise.
constexpr double kSlowdownShare = 0.25;
constexpr RunDuration kSlowdownMargin{2000};

class SystemSteadyClock : public RunClock
{
public:
    RunDuration now() const override
    {
        return std::chrono::duration_cast<RunDuration>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

} // namespace

const RunClock& SteadyRunClock()
{
    static const SystemSteadyClock clock;
    return clock;
}

void RunEstimate::start()
{
    overallMax_ = overallPosition_ = fileMax_ = filePosition_ = workTotal_ = workDone_ = 0;
    shown_.reset();
    startedAt_ = clock_.now();
}

double RunEstimate::doneFraction() const
{
    double fraction = 0;
    if (workTotal_ > 0) {
        fraction = static_cast<double>(workDone_) / static_cast<double>(workTotal_);
    } else if (overallMax_ > 0) {
        const double inFile = fileMax_ > 0
                                  ? static_cast<double>(std::min(filePosition_, fileMax_)) /
                                        static_cast<double>(fileMax_)
                                  : 0.0;
        fraction =
            (static_cast<double>(overallPosition_) + inFile) / static_cast<double>(overallMax_);
    }
    return std::clamp(fraction, 0.0, 1.0);
}

std::optional<RunDuration> RunEstimate::remaining()
{
    const RunDuration spent = elapsed();
    const double done = doneFraction();
    if (done < kLeastFraction || spent < kLeastElapsed)
        return shown_;
    const auto fresh = RunDuration(
        static_cast<RunDuration::rep>(static_cast<double>(spent.count()) * (1.0 - done) / done));
    if (shown_) {
        const RunDuration countedDown = std::max(RunDuration{0}, *shown_ - (spent - shownAt_));
        const bool slowedDown =
            fresh > countedDown + kSlowdownMargin &&
            static_cast<double>(fresh.count()) >
                static_cast<double>(countedDown.count()) * (1.0 + kSlowdownShare);
        shown_ = fresh <= countedDown || slowedDown ? fresh : countedDown;
    } else {
        shown_ = fresh;
    }
    shownAt_ = spent;
    return shown_;
}

std::string FormatRunDuration(RunDuration duration)
{
    const long long seconds = std::max<long long>(0, duration.count() / 1000);
    char text[32];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

} // namespace quorvex
