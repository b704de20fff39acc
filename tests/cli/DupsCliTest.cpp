// quorvex-cli dups on a small tree, as a user runs it: the groups, their order and
// columns, the threshold, and the notice of a search that finds nothing.

#include <gtest/gtest.h>

#include <string>

#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

class DupsCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* time = "2024-03-04 05:06:07"; // local time, as the rows show it
        t.file("t/a.txt", "same content\n", time);
        t.file("t/sub/b.txt", "same content\n", time);
        t.file("t/sub/d.txt", "same conteXt\n", time); // 3 of its 4 words equal
        t.file("t/c.txt", "other\n", time);
        t.dir("empty");
    }

    CommandRun dups(const std::string& options, const std::string& folder) const
    {
        return RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups " + options + " " +
                          ShellQuoted(t.path(folder)));
    }

    std::string row(const std::string& name, const std::string& content,
                    const std::string& folder) const
    {
        return name + "\t" + content + "\t13\t2024/03/04 05:06\t" + t.path(folder) + "\t1\t1\n";
    }

    TempTree t;
};

TEST_F(DupsCli, ExactGroupsListTheReferenceFirstAndLeaveSinglesOut)
{
    const CommandRun run = dups("", "t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, row("a.txt", "基準", "t/") + row("b.txt", "100%", "t/sub/"));
}

TEST_F(DupsCli, ALowerThresholdTakesNearCopiesInOrderOfTheirMatch)
{
    const CommandRun run = dups("--threshold 70", "t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, row("a.txt", "基準", "t/") + row("d.txt", "75%", "t/sub/") +
                           row("b.txt", "100%", "t/sub/"));
}

TEST_F(DupsCli, TheFolderColumnEndsInOneSlashHoweverTheFolderWasGiven)
{
    const CommandRun run = dups("", "t///");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, row("a.txt", "基準", "t/") + row("b.txt", "100%", "t/sub/"));
}

TEST_F(DupsCli, AFolderWithoutDuplicatesPrintsNoRowsAndSaysSo)
{
    const CommandRun run = dups("", "empty");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "重複するファイルはありませんでした。\n");
}

} // namespace
} // namespace quorvex::test
