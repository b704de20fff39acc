// quorvex-cli dups on a small tree, as a user runs it: the groups, their order and
// columns, the threshold, the notice of a search that finds nothing, several folders,
// and acting on the groups (dry run, hard links, refusals, files not acted on).

#include <gtest/gtest.h>

#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/TextFile.h"
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
    ino_t inode(const std::string& relative) const
    {
        struct stat status;
        return ::lstat(t.path(relative).c_str(), &status) == 0 ? status.st_ino : 0;
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

TEST_F(DupsCli, HardLinksPutEachGroupOnOneFileAfterADryRunThatChangedNothing)
{
    t.file("t/sub/e.txt", "same content\n", "2024-03-04 05:06:07");
    // e.txt has another name outside the searched folder: linking it frees nothing.
    t.dir("outside");
    ASSERT_EQ(::link(t.path("t/sub/e.txt").c_str(), t.path("outside/e.txt").c_str()), 0);
    const CommandRun dry = dups("--act hardlink --dry-run", "t");
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(dry.out, "hardlink\t" + t.path("t/sub/b.txt") + "\t" + t.path("t/a.txt") +
                           "\t13\t\n" + "hardlink\t" + t.path("t/sub/e.txt") + "\t" +
                           t.path("t/a.txt") + "\t0\t\n#freed\t13\n");
    EXPECT_NE(inode("t/sub/b.txt"), inode("t/a.txt"));

    const CommandRun run = dups("--act hardlink", "t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, dry.out);
    EXPECT_EQ(inode("t/sub/b.txt"), inode("t/a.txt"));
    EXPECT_EQ(inode("t/sub/e.txt"), inode("t/a.txt"));
    EXPECT_EQ(platform::ReadWholeFile(t.path("t/sub/e.txt")), "same content\n");
}

TEST_F(DupsCli, LinksBelowAFullMatchAndFoldersWithinEachOtherAreRefused)
{
    CommandRun run = dups("--act hardlink --threshold 90", "t");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    run = RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups " + ShellQuoted(t.path("t")) + " " +
                     ShellQuoted(t.path("t/sub")));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err,
              "フォルダ [ " + t.path("t/sub") + " ]\n\n検索するほかのフォルダと重なっています。\n");
    EXPECT_EQ(dups("--dry-run", "t").exitCode, 64);
    // A move into a file is refused as what it is.
    run = dups("--act move=" + ShellQuoted(t.path("t/c.txt")), "t");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "フォルダ [ " + t.path("t/c.txt") + " ]\n\nフォルダではありません。\n");
}

TEST_F(DupsCli, GroupsSpanTheFoldersAndAReferenceFolderKeepsItsFiles)
{
    const char* time = "2024-03-04 05:06:07";
    t.file("backup/a.txt", "same content\n", time);
    t.file("backup/c.txt", "other\n", time);
    t.file("photos/c.txt", "other\n", time);
    const CommandRun run =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups --act trash --dry-run --keep under=" +
                   ShellQuoted(t.path("photos")) + " " + ShellQuoted(t.path("backup")) + " " +
                   ShellQuoted(t.path("photos")) + " " + ShellQuoted(t.path("t")));
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The group of a.txt has no file in photos/: it stays whole. The trash keeps the
    // bytes on their disk: nothing is freed.
    const std::string kept = t.path("photos/c.txt");
    EXPECT_EQ(run.out, "trash\t" + t.path("backup/c.txt") + "\t" + kept + "\t0\t\n" + "trash\t" +
                           t.path("t/c.txt") + "\t" + kept + "\t0\t\n#freed\t0\n");

    // The reference folder below a searched folder given with a doubled separator.
    const CommandRun doubled =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups --act trash --dry-run --keep under=" +
                   ShellQuoted(t.path("t/sub")) + " " + ShellQuoted(t.path("t") + "//"));
    EXPECT_EQ(doubled.exitCode, 0) << doubled.err;
    EXPECT_EQ(doubled.out,
              "trash\t" + t.path("t/a.txt") + "\t" + t.path("t/sub/b.txt") + "\t0\t\n#freed\t0\n");
}

TEST_F(DupsCli, LinksAndCopiesInATrashOrBelowTheMoveFolderAreNeverKeptNorActedOn)
{
    // The newest copies lie in a volume's trash and in the move's folder.
    const char* newer = "2025-01-01 00:00:00";
    const std::string trash = "t/.Trash-" + std::to_string(::geteuid());
    t.file(trash + "/files/a.txt", "same content\n", newer);
    const std::string kept = t.path("t/a.txt");
    CommandRun run = dups("--hidden --act trash --keep newest --dry-run", "t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "trash\t" + t.path("t/sub/b.txt") + "\t" + kept + "\t0\t\n#freed\t0\n");
    t.file("t/aside/a.txt", "same content\n", newer);
    run = dups("--hidden --act move=" + ShellQuoted(t.path("t/aside")) + " --keep newest --dry-run",
               "t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "move\t" + t.path("t/sub/b.txt") + "\t" + kept + "\t0\t" +
                           t.path("t/aside/sub/b.txt") + "\n#freed\t0\n");

    // A symbolic link holds no bytes of its own: not a member to link.
    t.symlink("t/sub/l.txt", "../a.txt");
    run = dups("--act hardlink", "t");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    struct stat link;
    EXPECT_TRUE(::lstat(t.path("t/sub/l.txt").c_str(), &link) == 0 && S_ISLNK(link.st_mode));
    EXPECT_EQ(inode("t/sub/b.txt"), inode("t/a.txt"));
}

TEST_F(DupsCli, ADataFolderThatCannotBeWrittenIsSaidOnceAndNothingIsDone)
{
    t.file("t/sub/e.txt", "same content\n", "2024-03-04 05:06:07");
    const std::string data = t.path("t/c.txt") + "/data/"; // below a file
    const CommandRun run =
        RunCommand("QUORVEX_DATA_DIR=" + ShellQuoted(data) + " " + ShellQuoted(QUORVEX_CLI_PATH) +
                   " dups --act hardlink " + ShellQuoted(t.path("t")));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "quorvex-cli: cannot write in " + data + "actions/: Not a directory\n");
    EXPECT_NE(inode("t/sub/b.txt"), inode("t/a.txt"));
}

TEST_F(DupsCli, AFileThatCannotBeActedOnIsNamedAndTheOthersAreDone)
{
    t.file("t/sub/e.txt", "same content\n", "2024-03-04 05:06:07");
    t.file("t/sub/new\nline.txt", "same content\n", "2024-03-04 05:06:07");
    t.file("aside/sub/b.txt", "already here\n");
    t.file("aside/sub/new\nline.txt", "already here\n");
    const CommandRun run = dups("--act move=" + ShellQuoted(t.path("aside")), "t");
    EXPECT_EQ(run.exitCode, 3);
    // One line a failure, the path escaped as in TSV.
    EXPECT_EQ(run.err, "quorvex-cli: cannot move " + t.path("t/sub/b.txt") + ": 移動先 [ " +
                           t.path("aside/sub/b.txt") + " ] に同じ名前の項目があります。\n" +
                           "quorvex-cli: cannot move " + t.path("t/sub/new\\nline.txt") +
                           ": 移動先 [ " + t.path("aside/sub/new\\nline.txt") +
                           " ] に同じ名前の項目があります。\n");
    EXPECT_EQ(platform::ReadWholeFile(t.path("aside/sub/b.txt")), "already here\n");
    EXPECT_EQ(platform::ReadWholeFile(t.path("t/sub/b.txt")), "same content\n");
    EXPECT_EQ(platform::ReadWholeFile(t.path("aside/sub/e.txt")), "same content\n");
}

TEST_F(DupsCli, TheScanCacheFillsEmptiesAndNeverFailsASearch)
{
    const std::string cli = ShellQuoted(QUORVEX_CLI_PATH);
    const std::string cache = "QUORVEX_CACHE=" + ShellQuoted(t.path("cache/c.sqlite")) + " ";
    const std::string expected = row("a.txt", "基準", "t/") + row("b.txt", "100%", "t/sub/");
    EXPECT_EQ(RunCommand(cache + cli + " dups " + ShellQuoted(t.path("t"))).out, expected);
    EXPECT_EQ(RunCommand(cache + cli + " dups " + ShellQuoted(t.path("t"))).out, expected);
    const CommandRun stats = RunCommand(cache + cli + " cache stats");
    EXPECT_EQ(stats.exitCode, 0) << stats.err;
    EXPECT_EQ(stats.out.substr(0, stats.out.find('\t')), t.path("cache/c.sqlite"));
    EXPECT_NE(stats.out.find("\t3\t"), std::string::npos) << stats.out; // three of 13 bytes
    const CommandRun cleared = RunCommand(cache + cli + " cache clear");
    EXPECT_NE(cleared.out.find("\t0\t"), std::string::npos) << cleared.out;

    // A cache that cannot be made: the search runs without it and says so once.
    const std::string nowhere = "QUORVEX_CACHE=" + ShellQuoted(t.path("t/a.txt/c.sqlite")) + " ";
    const CommandRun without = RunCommand(nowhere + cli + " dups " + ShellQuoted(t.path("t")));
    EXPECT_EQ(without.exitCode, 0);
    EXPECT_EQ(without.out, expected);
    EXPECT_EQ(without.err,
              "quorvex-cli: not using the scan cache: " + t.path("t/a.txt") + ": not a folder\n");
}

TEST_F(DupsCli, ASavedListPrintsAsSavedAndOnlyItsRowsStillAsListedAreActedOn)
{
    const CommandRun saved = dups("--format json", "t");
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    t.file("list.json", saved.out);
    const std::string load = ShellQuoted(QUORVEX_CLI_PATH) + " --load " +
                             ShellQuoted(t.path("list.json")) + " --format json dups";
    CommandRun run = RunCommand(load);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, saved.out);

    t.setTime("t/sub/b.txt", "2024-03-04 05:07:00");
    run = RunCommand(load);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.out, saved.out);
    EXPECT_EQ(run.err,
              "quorvex-cli: " + t.path("t/sub/b.txt") + ": changed since the list was saved\n");
    const ino_t before = inode("t/sub/b.txt");
    run = RunCommand(load + " --act hardlink");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, "quorvex-cli: cannot hardlink " + t.path("t/sub/b.txt") +
                           ": it, or the file of its group that stays, is not as the list says\n");
    EXPECT_EQ(inode("t/sub/b.txt"), before);

    t.file("list.json", "{\"rows\":[{\"name\":\"a\"}]}\n");
    run = RunCommand(load);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "quorvex-cli: " + t.path("list.json") + ": byte 21: expected every field of a row\n");
}

} // namespace
} // namespace quorvex::test
