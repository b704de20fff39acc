#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/InstanceLock.h"
#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace {

using quorvex::test::ShellQuoted;
using quorvex::test::TempTree;

struct CliRun
{
    int exitCode = -1;
    std::string out, err;
};

// `environment`: assignments for the tool's environment, such as "NAME=value ".
CliRun RunCli(const std::string& arguments, const std::string& environment = {})
{
    const quorvex::test::CommandRun run = quorvex::test::RunCommand(
        environment + quorvex::test::ShellQuoted(QUORVEX_CLI_PATH) + " " + arguments);
    return {run.exitCode, run.out, run.err};
}

// b/ (empty), a/Zero, c/zero, .hidden, data.txt, x/zero, x/y/ (empty)
void MakeSmallTree(const TempTree& t)
{
    t.dir("tree/b");
    t.file("tree/a/Zero");
    t.file("tree/a/full", "data");
    t.file("tree/c/zero");
    t.file("tree/.hidden");
    t.file("tree/data.txt", "text");
    t.file("tree/x/zero");
    t.dir("tree/x/y");
}

TEST(EmptyCommand, TsvListsTheRecordsSortedByNameAndTheCount)
{
    TempTree t;
    MakeSmallTree(t);
    const std::string tree = t.path("tree");
    const CliRun run = RunCli("empty " + ShellQuoted(tree));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Zero\tA\t" + tree +
                           "/a/Zero\n"
                           "b\tD\t" +
                           tree +
                           "/b\n"
                           "y\tD\t" +
                           tree +
                           "/x/y\n"
                           "zero\tA\t" +
                           tree +
                           "/c/zero\n"
                           "zero\tA\t" +
                           tree +
                           "/x/zero\n"
                           "#count\t5 個\n");

    const CliRun hidden = RunCli("--hidden empty " + ShellQuoted(tree + "/"));
    EXPECT_EQ(hidden.out.substr(0, hidden.out.find('\n')), ".hidden\tA/H\t" + tree + "/.hidden");
    EXPECT_NE(hidden.out.find("#count\t6 個\n"), std::string::npos);
}

TEST(EmptyCommand, JsonCarriesTheSameFieldsByName)
{
    TempTree t;
    t.dir("tree/only");
    const std::string tree = t.path("tree");
    const CliRun run = RunCli("--format json empty " + ShellQuoted(tree));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "{\"rows\":[\n{\"Name\":\"only\",\"AttributeText\":\"D\",\"Path\":\"" +
                           tree + "/only\"}],\n\"count\":\"1 個\"}\n");
}

TEST(EmptyCommand, RefusesAPathThatIsNotAFolder)
{
    TempTree t;
    const std::string file = t.file("plain.txt", "x");
    for (const std::string& path : {t.path("missing"), file}) {
        const CliRun run = RunCli("empty " + ShellQuoted(path));
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, "フォルダ [ " + path + " ]\n\nファイルパスが不明です。\n");
        EXPECT_TRUE(run.out.empty());
    }
}

// delete records nothing in the trash list; a row of a saved list that changed since
// is named and not acted on.
TEST(EmptyCommand, ActDeleteOnASavedListLeavesChangedRowsAndRecordsNothing)
{
    TempTree t;
    t.file("tree/a");
    t.dir("tree/b");
    t.file("tree/c");
    const CliRun listed = RunCli("empty " + ShellQuoted(t.path("tree")));
    t.file("saved.tsv", listed.out);
    t.file("tree/c", "now with data");

    const CliRun run = RunCli("empty --act delete --load " + ShellQuoted(t.path("saved.tsv")),
                              "QUORVEX_DATA_DIR=" + ShellQuoted(t.path("data/")) + " ");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "quorvex-cli: " + t.path("tree/c") + ": changed since the list was saved\n");
    EXPECT_EQ(run.out, "delete\t" + t.path("tree/b") + "\t\t0\t\ndelete\t" + t.path("tree/a") +
                           "\t\t0\t\n#freed\t0\n");
    EXPECT_FALSE(std::filesystem::exists(t.path("tree/a")) ||
                 std::filesystem::exists(t.path("tree/b")));
    EXPECT_TRUE(std::filesystem::exists(t.path("tree/c")));
    EXPECT_FALSE(std::filesystem::exists(t.path("data/gomi.txt")));
}

// The desktop program holds the trash list while it runs: trash deletes nothing then.
TEST(EmptyCommand, ActTrashRefusesWhileTheDesktopProgramRuns)
{
    TempTree t;
    t.file("tree/a");
    t.dir("run");
    quorvex::platform::InstanceLock desktop(t.path("run/Quorvex.lock"));
    ASSERT_TRUE(desktop.tryAcquire());
    const CliRun run = RunCli("empty --act trash " + ShellQuoted(t.path("tree")),
                              "XDG_RUNTIME_DIR=" + ShellQuoted(t.path("run")) +
                                  " QUORVEX_DATA_DIR=" + ShellQuoted(t.path("data/")) + " ");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("the desktop program is running"), std::string::npos) << run.err;
    EXPECT_TRUE(std::filesystem::exists(t.path("tree/a")));
}

} // namespace
