#pragma once
// Runs the test program itself again as a child process, for tests of what must
// survive the end of a process (settings, files) or must be seen from another one.
//
//   TEST(Settings, Child) { if (ChildStep() != "write") GTEST_SKIP(); ... }
//   TEST(Settings, SurviveARestart) {
//       ASSERT_EQ(RunThisProgram("Settings.Child", "write"), 0); ... }

#include <string>
#include <string_view>

namespace quorvex::test {

// Runs this program with --gtest_filter=`filter` and QUORVEX_CHILD_STEP=`step` in its
// environment, and waits for it. Its exit code, or -1 when it could not be run.
int RunThisProgram(std::string_view filter, std::string_view step);
// The step of a child run; empty in the run that the test runner started.
std::string ChildStep();

} // namespace quorvex::test
