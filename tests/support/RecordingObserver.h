#pragma once
// The run observer of engine tests: records what an engine reports and asks it to
// stop on request, after `cancelAfterPumps` pumped messages (0: never), whenever a
// test sets `cancel`, or from `onPump`.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/RunObserver.h"

namespace quorvex::test {

class RecordingObserver : public RunObserver
{
public:
    void setOverallMax(std::uint64_t max) override { overallMax = max; }
    void setOverallPosition(std::uint64_t position) override
    {
        overallPosition = position;
        overallPeak = std::max(overallPeak, position);
    }
    void stepOverall(std::uint64_t by) override { steps += by; }
    void setFileMax(std::uint64_t max) override { fileMax = max; }
    void setFilePosition(std::uint64_t position) override { positions.push_back(position); }
    void setWorkTotal(std::uint64_t bytes) override { workTotal = bytes; }
    void addWorkDone(std::uint64_t bytes) override { workDone += bytes; }
    void pumpMessages() override
    {
        ++pumps;
        if (cancelAfterPumps != 0 && pumps >= cancelAfterPumps)
            cancel = true;
        if (onPump)
            onPump(pumps);
    }
    bool cancelRequested() const override { return cancel; }
    void cannotRead(const std::string& path, const std::string& reason) override
    {
        unread.push_back(path + ": " + reason);
    }

    std::uint64_t overallMax = 0;
    std::uint64_t overallPosition = 0; // as last set
    std::uint64_t overallPeak = 0;     // the highest position set
    std::uint64_t steps = 0;
    std::uint64_t workTotal = 0;
    std::uint64_t workDone = 0;
    std::uint64_t fileMax = 0;
    std::vector<std::uint64_t> positions; // of the file in progress, in report order
    std::vector<std::string> unread;      // "path: reason"
    int pumps = 0;
    int cancelAfterPumps = 0;
    bool cancel = false;
    std::function<void(int pumps)> onPump;
};

} // namespace quorvex::test
