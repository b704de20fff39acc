// A desktop session that ends, a terminal that closes, Ctrl+C: the program closes as
// if its window were closed and writes its state.
#include "ProgramProcess.h"

#include <gtest/gtest.h>

namespace {

using quorvex::platform::ReadWholeFile;
using quorvex::test::ProgramProcess;
using quorvex::test::TempTree;

TEST(TerminationTest, TerminationSignalsCloseTheProgramAndItsStateIsWritten)
{
    for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
        TempTree tree;
        tree.file("data/gomi.txt", "/kept/=16\n"); // LF: the close writes CR LF
        ProgramProcess program(tree);
        ASSERT_TRUE(program.start()) << signalNumber;
        program.signal(signalNumber);
        const auto result = program.wait();
        EXPECT_EQ(result.exitCode, 0) << signalNumber << " " << result.err;
        EXPECT_NE(ReadWholeFile(program.configFile()).value_or("").find("\"sikii\"=dword:00000064"),
                  std::string::npos)
            << signalNumber;
        EXPECT_EQ(ReadWholeFile(program.dataFile("gomi.txt")), "/kept/=16\r\n") << signalNumber;
        for (const char* history : {"data1.txt", "data2.txt", "data3.txt", "data4.txt"})
            EXPECT_EQ(ReadWholeFile(program.dataFile(history)), "") << signalNumber << history;
    }
}

} // namespace
