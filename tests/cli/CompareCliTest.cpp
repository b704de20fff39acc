#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

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

#ifndef _WIN32 // copies are built on POSIX only so far
TEST_F(CompareCli, UpdateBothPrintsItsPlanThenLeavesNoDifferingFile)
{
    const std::string a = quoted(t.path("A")), b = quoted(t.path("B"));
    const std::string trash = "env XDG_DATA_HOME=" + quoted(t.path("share")) + " ";
    auto dry = runCli("compare --act update-both --dry-run " + a + " " + b);
    EXPECT_EQ(dry.exitCode, 0);
    // data.bin is newer in B; guide.md differs by content alone (same size and
    // time): no side is newer, so it stays as it is.
    // A folder B alone has comes whole, before the files of the other rows.
    EXPECT_EQ(dry.out, "copy\t" + t.path("B/new") + "\t\t0\t" + t.path("A/new") + "\n" + "copy\t" +
                           t.path("B/new/n.txt") + "\t\t3\t" + t.path("A/new/n.txt") + "\n" +
                           "replace\t" + t.path("B/data.bin") + "\t\t10\t" + t.path("A/data.bin") +
                           "\n" + "copy\t" + t.path("A/docs/old.md") + "\t\t3\t" +
                           t.path("B/docs/old.md") + "\n#copied\t16\n");
    EXPECT_NE(::access(t.path("A").c_str(), F_OK), -1);
    EXPECT_EQ(::access(t.path("A/new").c_str(), F_OK), -1);
    // Kept beside it instead: the replaced file's dated name is what the row keeps.
    const auto versioned = runCli("compare --act update-both --versioned --dry-run " + a + " " + b);
    EXPECT_NE(versioned.out.find("replace\t" + t.path("B/data.bin") + "\t" + t.path("A/data (")),
              std::string::npos)
        << versioned.out;

    const quorvex::test::CommandRun run =
        quorvex::test::RunCommand(trash + quorvex::test::ShellQuoted(QUORVEX_CLI_PATH) +
                                  " compare --act update-both " + a + " " + b + " 2>&1");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const auto after = runCli("compare --content " + a + " " + b);
    EXPECT_EQ(after.out.find("なし"), std::string::npos) << after.out;
    EXPECT_NE(after.out.find("data.bin\tdata.bin\t 同\t 同\t 同  A\t100%"), std::string::npos)
        << after.out;
}

TEST_F(CompareCli, AnEntryThatCannotBeCopiedIsNamedAndExitsWithThree)
{
    // A FIFO is never opened, so never copied; the other copies go on.
    t.fifo("B/pipe");
    const auto result = runCli("--system compare --act copy-b-to-a --only-missing " +
                               quoted(t.path("A")) + " " + quoted(t.path("B")));
    EXPECT_EQ(result.exitCode, 3) << result.out;
    EXPECT_NE(result.out.find("quorvex-cli: cannot copy " + t.path("B/pipe") +
                              ": 通常のファイルではありません。\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("copy\t" + t.path("B/new/n.txt")), std::string::npos) << result.out;
    EXPECT_EQ(
        runCli("compare --act mirror " + quoted(t.path("A")) + " " + quoted(t.path("B"))).exitCode,
        64);
    EXPECT_EQ(runCli("compare --keep newest --act update-b " + quoted(t.path("A")) + " " +
                     quoted(t.path("B")))
                  .exitCode,
              64);
}
#endif
