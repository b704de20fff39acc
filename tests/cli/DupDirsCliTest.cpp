// quorvex-cli dupdirs as a user runs it: the folder rows, the notice of a search that
// finds nothing, and acting on whole folders (a dry run, hard links that leave the
// kept folder as it was, contained folders that links do not touch).

#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>

#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

class DupDirsCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        t.file("t/photos/a.jpg", "picture a");
        t.file("t/photos/b.jpg", "picture b");
        t.file("t/copy/a.jpg", "picture a");
        t.file("t/copy/b.jpg", "picture b");
        t.file("t/part/a.jpg", "picture a");
        t.file("t/other/c.txt", "text");
    }

    CommandRun dupdirs(const std::string& options) const
    {
        return RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dupdirs " + options + " " +
                          ShellQuoted(t.path("t")));
    }
    ino_t inode(const std::string& relative) const
    {
        struct stat status;
        return ::lstat(t.path(relative).c_str(), &status) == 0 ? status.st_ino : 0;
    }

    TempTree t;
};

TEST_F(DupDirsCli, EqualAndContainedFoldersAreOneRowEach)
{
    const CommandRun run = dupdirs("--no-cache");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, t.path("t/copy/") + "\t18\t2\t基準\t1\n" + t.path("t/photos/") +
                           "\t18\t2\t同一(構成も同じ)\t1\n" + t.path("t/copy/") +
                           "\t18\t2\t基準\t2\n" + t.path("t/part/") + "\t9\t1\t含まれる\t2\n" +
                           t.path("t/photos/") + "\t18\t2\t基準\t3\n" + t.path("t/part/") +
                           "\t9\t1\t含まれる\t3\n");
}

TEST_F(DupDirsCli, HardLinksJoinEqualFoldersAndLeaveContainedOnesAlone)
{
    const ino_t kept = inode("t/copy/a.jpg");
    const CommandRun dry = dupdirs("--no-cache --act hardlink --dry-run");
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(dry.out, "hardlink\t" + t.path("t/photos/a.jpg") + "\t" + t.path("t/copy/a.jpg") +
                           "\t9\t\nhardlink\t" + t.path("t/photos/b.jpg") + "\t" +
                           t.path("t/copy/b.jpg") + "\t9\t\n#freed\t18\n");
    EXPECT_NE(inode("t/photos/a.jpg"), kept);

    const CommandRun run = dupdirs("--no-cache --act hardlink");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, dry.out);
    EXPECT_EQ(inode("t/copy/a.jpg"), kept);
    EXPECT_EQ(inode("t/photos/a.jpg"), kept);
    EXPECT_NE(inode("t/part/a.jpg"), kept);
}

TEST_F(DupDirsCli, NothingFoundIsSaidAndLayoutGoesOnlyWithDupdirs)
{
    const CommandRun run =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dupdirs " + ShellQuoted(t.path("t/other")));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "重複するフォルダはありませんでした。\n");
    const CommandRun misuse =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups --layout " + ShellQuoted(t.path("t")));
    EXPECT_EQ(misuse.exitCode, 64);
}

} // namespace
} // namespace quorvex::test
