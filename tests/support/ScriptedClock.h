#pragma once
// A clock for the time estimate that shows what the test sets.
#include "common/RunEstimate.h"

namespace quorvex::test {

class ScriptedClock : public RunClock
{
public:
    RunDuration now() const override { return time; }
    RunDuration time{5000};
};

} // namespace quorvex::test
