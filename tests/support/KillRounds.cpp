#include "support/KillRounds.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <thread>

#include "support/ChildProgram.h"

namespace quorvex::test {

void RunKillRounds(const KillRounds& rounds)
{
    rounds.prepare();
    const auto started = std::chrono::steady_clock::now();
    ChildProgram whole(rounds.command, rounds.environment);
    ASSERT_EQ(whole.wait().exitCode, 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(
                          std::chrono::steady_clock::now() - started)
                          .count();

    std::mt19937 random(std::random_device{}());
    int leftTemporaries = 0;
    for (int kill = 0; kill < rounds.kills; ++kill) {
        rounds.prepare();
        ChildProgram child(rounds.command, rounds.environment);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (span + 1)));
        child.signal(SIGKILL);
        child.wait();
        rounds.afterKill();
        leftTemporaries += rounds.temporaryFiles();

        ChildProgram next(rounds.command, rounds.environment);
        rounds.afterNextRun(next.wait().exitCode);
        EXPECT_EQ(rounds.temporaryFiles(), 0);
    }
    std::cout << leftTemporaries << " temporary files were left by " << rounds.kills << " kills\n";
}

} // namespace quorvex::test
