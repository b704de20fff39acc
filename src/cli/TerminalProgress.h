#pragma once
// --progress: a one-line bar on standard error, drawn only when it is a terminal
// and only when the whole percentage changes.

#include <cstdint>

#include "core/RunObserver.h"

namespace quorvex::cli {

class TerminalProgress : public RunObserver
{
public:
    explicit TerminalProgress(bool enabled);
    ~TerminalProgress() override;

    void setOverallMax(std::uint64_t max) override;
    void setOverallPosition(std::uint64_t position) override;
    void stepOverall(std::uint64_t by) override;

private:
    void redraw();
    bool enabled_;
    bool drawn_ = false;
    std::uint64_t max_ = 1;
    std::uint64_t position_ = 0;
    int shownPercent_ = -1;
};

} // namespace quorvex::cli
