#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace {

struct CliResult
{
    int exitCode = -1;
    std::string out;
};

// Runs the built quorvex-cli with the arguments (already quoted) and standard error
// joined to standard output.
CliResult runCli(const std::string& arguments)
{
    const quorvex::test::CommandRun run = quorvex::test::RunCommand(
        quorvex::test::ShellQuoted(QUORVEX_CLI_PATH) + " " + arguments + " 2>&1");
    return {run.exitCode, run.out};
}

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

class CompareCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* time = "2024-03-04 05:06:07";
        t.file("A/readme.txt", "hello world", time);
        t.file("B/readme.txt", "hello world", time);
        t.file("A/data.bin", "abcdefgh", time);
        t.file("B/data.bin", "abcdefghij", "2024-03-05 05:06:07");
        t.file("A/docs/guide.md", "guide", time);
        t.file("B/docs/guide.md", "GUIDE", time);
        t.file("A/docs/old.md", "old", time);
        t.file("B/new/n.txt", "new", time);
        t.dir("A/docs", time);
        t.dir("B/docs", time);
        t.dir("B/new", time);
        // The caption has one "." per folder level above the roots.
        dots = std::string(std::count(t.root().begin(), t.root().end(), '/'), '.');
    }
    quorvex::test::TempTree t;
    std::string dots;
};

} // namespace

TEST_F(CompareCli, PrintsRowsInPathOrderWithCaptionsAndAverage)
{
    const auto result =
        runCli("compare --content " + quoted(t.path("A")) + " " + quoted(t.path("B")));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "data.bin\tdata.bin\t小-大\t旧-新\t 同  A\t57%\t\t57\n"
                          "readme.txt\treadme.txt\t 同\t 同\t 同  A\t100%\t\t100\n"
                          "docs\tdocs\t\t 同\t 同  D\t\tdocs\t\n"
                          "guide.md\tguide.md\t 同\t 同\t 同  A\t0%\tdocs/\t0\n"
                          "old.md\tなし\t\t\t\t\tdocs/\t\n"
                          "なし\tnew\t\t\t\t\tnew\t\n"
                          "なし\tn.txt\t\t\t\t\tnew/\t\n"
                          "#columns\t/" +
                              dots + "[A]\t/" + dots + "[B]\n#header\t36%\n");
}

TEST_F(CompareCli, MasksAndJson)
{
    t.file("masks.txt", "*.md\r\n");
    const auto result =
        runCli("--masks " + quoted(t.path("masks.txt")) + " --exclude --format json compare " +
               quoted(t.path("A")) + " " + quoted(t.path("B")));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("\"cell4\":\"-----\""), std::string::npos);
    EXPECT_EQ(result.out.find("guide.md"), std::string::npos);
    EXPECT_NE(result.out.find("\"header\":\"内容(%)\""), std::string::npos);
}

TEST_F(CompareCli, AnEmptyFileAgainstDataScoresZeroAndLowersTheAverage)
{
    const char* time = "2024-03-04 05:06:07";
    t.file("E/A/f", "", time);
    t.file("E/B/f", "twenty-seven bytes here..\n", time);
    t.file("E/A/g", "same", time);
    t.file("E/B/g", "same", time);
    const auto result =
        runCli("compare --content " + quoted(t.path("E/A")) + " " + quoted(t.path("E/B")));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("f\tf\t小-大\t 同\t 同  A\t0%\t\t0\n"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\n#header\t50%\n"), std::string::npos) << result.out;

    const auto files =
        runCli("compare --content " + quoted(t.path("E/A/f")) + " " + quoted(t.path("E/B/f")));
    EXPECT_NE(files.out.find("\t0%\t"), std::string::npos) << files.out;
}

TEST_F(CompareCli, RefusalsExitWithTwo)
{
    auto result = runCli("compare " + quoted(t.path("nope")) + " " + quoted(t.path("B")));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "A [ " + t.path("nope") + " ]\n\nファイルパスが不明です。\n");
    result = runCli("compare " + quoted(t.path("A")) + " " + quoted(t.path("B/new/n.txt")));
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "フォルダとファイルの比較は行えません！\n");
}
