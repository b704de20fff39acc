#pragma once
// A program killed (SIGKILL) at random instants of its run, round after round, and
// run again to its end after each kill: what the killed run left and what the next
// run made are checked by the test. The instants fall anywhere within the time a
// whole run takes, measured first.
//
//   KillRounds rounds;
//   rounds.command = command;
//   rounds.environment = environment;
//   rounds.prepare = [&] { expected = makeTree(); };
//   rounds.afterKill = [&] { expectNothingLost(expected); };
//   rounds.afterNextRun = [&](int exitCode) { EXPECT_EQ(exitCode, 0); ... };
//   rounds.temporaryFiles = [&] { return count of ".tmp-" names; };
//   RunKillRounds(rounds);

#include <functional>
#include <string>
#include <vector>

namespace quorvex::test {

struct KillRounds
{
    std::vector<std::string> command, environment;
    int kills = 25;
    std::function<void()> prepare;                  // the input of a run, made anew
    std::function<void()> afterKill;                // checks what a killed run left
    std::function<void(int exitCode)> afterNextRun; // checks the next whole run
    std::function<int()> temporaryFiles;            // what a killed run left to remove
};

// Runs the rounds; prints how many temporary files the kills left in all.
void RunKillRounds(const KillRounds& rounds);

} // namespace quorvex::test
