#pragma once
// The observer of a run of the tool. --progress: a one-line bar on standard error
// with the elapsed time and the time left (RunEstimate), drawn only when it is a
// terminal and only when the whole percentage or the shown times change.
// Always: one line "quorvex-cli: cannot read PATH: REASON" per folder or file the run
// could not read (once, however often the run meets it).

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "common/RunEstimate.h"
#include "common/RunObserver.h"

namespace quorvex::cli {

class TerminalProgress : public RunObserver
{
public:
    explicit TerminalProgress(bool enabled, const RunClock& clock = SteadyRunClock());
    ~TerminalProgress() override;

    void setOverallMax(std::uint64_t max) override;
    void setOverallPosition(std::uint64_t position) override;
    void stepOverall(std::uint64_t by) override;
    void setFileMax(std::uint64_t max) override;
    void setFilePosition(std::uint64_t position) override;
    void setWorkTotal(std::uint64_t bytes) override;
    void addWorkDone(std::uint64_t bytes) override;
    void cannotRead(const std::string& path, const std::string& reason) override;

    // How many folders and files could not be read.
    std::size_t unreadCount() const { return unread_.size(); }

private:
    void redraw();
    bool enabled_;
    bool drawn_ = false;
    std::uint64_t max_ = 1;
    std::uint64_t position_ = 0;
    int shownPercent_ = -1;
    std::unordered_set<std::string> unread_;
    RunEstimate estimate_;
    std::string shownTimes_;
};

} // namespace quorvex::cli
