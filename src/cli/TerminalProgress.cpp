#include "cli/TerminalProgress.h"

#include "cli/CliWords.h"

#include <unistd.h>

#include <cstdio>

namespace quorvex::cli {

TerminalProgress::TerminalProgress(bool enabled, const RunClock& clock)
    : enabled_(enabled && ::isatty(STDERR_FILENO)), estimate_(clock)
{
    estimate_.start();
}

TerminalProgress::~TerminalProgress()
{
    if (drawn_)
        std::fputs("\r\033[K", stderr);
}

void TerminalProgress::setOverallMax(std::uint64_t max)
{
    max_ = max ? max : 1;
    estimate_.setOverallMax(max);
    redraw();
}

void TerminalProgress::setOverallPosition(std::uint64_t position)
{
    position_ = position;
    estimate_.setOverallPosition(position);
    redraw();
}

void TerminalProgress::stepOverall(std::uint64_t by)
{
    position_ += by;
    estimate_.stepOverall(by);
    redraw();
}

void TerminalProgress::cannotRead(const std::string& path, const std::string& reason)
{
    if (!unread_.insert(path).second)
        return;
    if (drawn_) {
        std::fputs("\r\033[K", stderr); // the bar is drawn again at the next change
        shownPercent_ = -1;
        drawn_ = false;
    }
    std::fprintf(stderr, "quorvex-cli: cannot read %s: %s\n", path.c_str(), reason.c_str());
}

void TerminalProgress::setFileMax(std::uint64_t max)
{
    estimate_.setFileMax(max);
}

void TerminalProgress::setFilePosition(std::uint64_t position)
{
    estimate_.setFilePosition(position);
    redraw();
}

void TerminalProgress::setWorkTotal(std::uint64_t bytes)
{
    estimate_.setWorkTotal(bytes);
}

void TerminalProgress::addWorkDone(std::uint64_t bytes)
{
    estimate_.addWorkDone(bytes);
}

void TerminalProgress::redraw()
{
    if (!enabled_)
        return;
    std::uint64_t clamped = position_ < max_ ? position_ : max_;
    int percent = static_cast<int>(clamped * 100 / max_);
    std::string times = RunningTimeWords(estimate_);
    if (percent == shownPercent_ && times == shownTimes_)
        return;
    shownPercent_ = percent;
    shownTimes_ = std::move(times);
    constexpr int kWidth = 40;
    int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%%  %s\033[K", filled,
                 "########################################", kWidth - filled, "", percent,
                 shownTimes_.c_str());
    std::fflush(stderr);
    drawn_ = true;
}

} // namespace quorvex::cli
