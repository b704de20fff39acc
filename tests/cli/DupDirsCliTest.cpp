// quorvex-cli dupdirs as a user runs it: the folder rows, the notice of a search that
// finds nothing, and acting on whole folders (a dry run, hard links that leave the
// kept folder as it was, contained folders that links do not touch).

#include <gtest/gtest.h>

#include <filesystem>
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

TEST_F(DupDirsCli, ASavedListLoadsAsItWasAndNamesAFolderThatIsGone)
{
    for (const char* format : {"tsv", "json"}) {
        const CommandRun run = dupdirs(std::string("--no-cache --format ") + format);
        const std::string saved = t.file(std::string("saved.") + format, run.out);
        const CommandRun loaded = RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " --format " + format +
                                             " dupdirs --load " + ShellQuoted(saved));
        EXPECT_EQ(loaded.exitCode, 0) << loaded.err;
        EXPECT_EQ(loaded.out, run.out) << format;
    }
    std::filesystem::remove_all(t.path("t/part"));
    const CommandRun loaded =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dupdirs --load " + t.path("saved.tsv"));
    EXPECT_EQ(loaded.exitCode, 3);
    EXPECT_NE(loaded.err.find(t.path("t/part/")), std::string::npos) << loaded.err;
    const std::string damaged = t.file("damaged.tsv", t.path("t/copy/") + "\t18\t2\t似ている\t1\n");
    const CommandRun refused =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dupdirs --load " + ShellQuoted(damaged));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("is no relation"), std::string::npos) << refused.err;
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
