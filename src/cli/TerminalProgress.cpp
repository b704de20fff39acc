#include "cli/TerminalProgress.h"

#include <unistd.h>

#include <cstdio>

namespace quorvex::cli {

TerminalProgress::TerminalProgress(bool enabled) : enabled_(enabled && ::isatty(STDERR_FILENO)) {}

TerminalProgress::~TerminalProgress()
{
    if (drawn_)
        std::fputs("\r\033[K", stderr);
}

void TerminalProgress::setOverallMax(std::uint64_t max)
{
    max_ = max ? max : 1;
    redraw();
}

void TerminalProgress::setOverallPosition(std::uint64_t position)
{
    position_ = position;
    redraw();
}

void TerminalProgress::stepOverall(std::uint64_t by)
{
    position_ += by;
    redraw();
}

void TerminalProgress::cannotRead(const std::string& path, const std::string& reason)
{
    ++unreadCount_;
    if (drawn_) {
        std::fputs("\r\033[K", stderr); // the bar is drawn again at the next change
        shownPercent_ = -1;
        drawn_ = false;
    }
    std::fprintf(stderr, "quorvex-cli: cannot read %s: %s\n", path.c_str(), reason.c_str());
}

void TerminalProgress::redraw()
{
    if (!enabled_)
        return;
    std::uint64_t clamped = position_ < max_ ? position_ : max_;
    int percent = static_cast<int>(clamped * 100 / max_);
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    constexpr int kWidth = 40;
    int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "########################################",
                 kWidth - filled, "", percent);
    std::fflush(stderr);
    drawn_ = true;
}

} // namespace quorvex::cli
