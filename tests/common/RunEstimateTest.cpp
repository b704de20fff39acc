// The time estimate of long runs, on a scripted clock: it counts down steadily over
// the small changes of pace of a real run, rises only when the run clearly slows,
// and formats its times. (The share by bytes and the running texts are checked where
// the progress panel shows them.)
#include <gtest/gtest.h>

#include "common/RunEstimate.h"
#include "support/ScriptedClock.h"

#include <vector>

using namespace quorvex;
using namespace std::chrono_literals;

namespace {

using test::ScriptedClock;

// Runs `steps` entries, the n-th taking `pace(n)` ms, and collects every estimate
// given after a step.
template <typename Pace>
std::vector<RunDuration> runSteps(ScriptedClock& clock, RunEstimate& estimate, int steps, Pace pace)
{
    std::vector<RunDuration> given;
    for (int n = 0; n < steps; ++n) {
        clock.time += RunDuration(pace(n));
        estimate.stepOverall(1);
        if (const auto left = estimate.remaining())
            given.push_back(*left);
    }
    return given;
}

} // namespace

TEST(RunEstimate, CountsDownWithoutRisingOverAnUnevenPace)
{
    ScriptedClock clock;
    RunEstimate estimate(clock);
    estimate.start();
    estimate.setOverallMax(1000);
    // 80 ms and 130 ms entries by turns, with a slow one every 7th.
    const auto given = runSteps(clock, estimate, 1000, [](int n) {
        return n % 7 == 0 ? 300 : n % 2 ? 80 : 130;
    });
    ASSERT_GT(given.size(), 900u);
    for (std::size_t i = 1; i < given.size(); ++i)
        ASSERT_LE(given[i], given[i - 1]) << "estimate " << i << " rose";
    EXPECT_LT(given.back(), 1s);
    // The first estimate was near the real remaining time (about 120 s in all).
    EXPECT_GT(given.front(), 90s);
    EXPECT_LT(given.front(), 160s);
}

TEST(RunEstimate, RisesWhenTheRunClearlySlowsDown)
{
    ScriptedClock clock;
    RunEstimate estimate(clock);
    estimate.start();
    estimate.setOverallMax(200);
    runSteps(clock, estimate, 50, [](int) { return 100; });
    const std::optional<RunDuration> before = estimate.remaining();
    ASSERT_TRUE(before);
    EXPECT_GE(*before, 14s);
    EXPECT_LE(*before, 15s);
    // Ten times slower from here: 50 entries later the 50 left take 50 s.
    runSteps(clock, estimate, 50, [](int) { return 1000; });
    ASSERT_TRUE(estimate.remaining());
    EXPECT_GT(*estimate.remaining(), 25s);
    EXPECT_LE(*estimate.remaining(), 50s);
}

TEST(RunEstimate, WaitsForEnoughProgressAndStartsAfresh)
{
    ScriptedClock clock;
    RunEstimate estimate(clock);
    estimate.start();
    estimate.setOverallMax(10);
    EXPECT_FALSE(estimate.remaining()); // nothing done
    clock.time += 500ms;
    estimate.stepOverall(5);
    EXPECT_FALSE(estimate.remaining()); // too early to judge
    clock.time += 9500ms;
    ASSERT_TRUE(estimate.remaining());

    // A new run starts afresh.
    estimate.start();
    EXPECT_EQ(estimate.doneFraction(), 0.0);
    EXPECT_FALSE(estimate.remaining());
}

TEST(RunEstimate, ProgressWithinAFileCountsAsPartOfAnEntry)
{
    ScriptedClock clock;
    RunEstimate estimate(clock);
    estimate.start();
    estimate.setOverallMax(4);
    estimate.stepOverall(1);
    estimate.setFileMax(10);
    estimate.setFilePosition(5);
    EXPECT_DOUBLE_EQ(estimate.doneFraction(), 1.5 / 4);
    estimate.setFilePosition(50); // beyond the file's blocks: no more than the file
    EXPECT_DOUBLE_EQ(estimate.doneFraction(), 2.0 / 4);
    estimate.stepOverall(10); // beyond the maximum
    EXPECT_DOUBLE_EQ(estimate.doneFraction(), 1.0);
}

TEST(RunEstimate, FormatsMinutesAndHours)
{
    EXPECT_EQ(FormatRunDuration(0ms), "0:00");
    EXPECT_EQ(FormatRunDuration(59999ms), "0:59");
    EXPECT_EQ(FormatRunDuration(754s), "12:34");
    EXPECT_EQ(FormatRunDuration(3600s + 61s), "1:01:01");
    EXPECT_EQ(FormatRunDuration(-5s), "0:00");
}
