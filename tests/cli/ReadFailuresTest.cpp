// What quorvex-cli says about folders and files it cannot read: one line each on
// standard error, the rest of the result as usual, and exit status 3.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace {

using quorvex::test::CommandRun;
using quorvex::test::ShellQuoted;
using quorvex::test::TempTree;
using ::testing::HasSubstr;
using ::testing::Not;

enum class As
{
    Me,
    Nobody // a user from whom a folder of root's can be closed
};

CommandRun RunCli(const std::vector<std::string>& arguments, As user = As::Me)
{
    std::string line = "LC_ALL=C.UTF-8 ";
    if (user == As::Nobody)
        line += "setpriv --reuid=65534 --regid=65534 --clear-groups ";
    line += ShellQuoted(QUORVEX_CLI_PATH);
    for (const std::string& argument : arguments)
        line += " " + ShellQuoted(argument);
    return quorvex::test::RunCommand(line);
}

TEST(CliReadFailures, FifosAreNamedAndNeverOpened)
{
    TempTree t;
    t.file("A/same.txt", "same");
    t.file("B/same.txt", "same");
    t.fifo("A/pipe");
    t.fifo("B/pipe");
    const auto run = RunCli({"--system", "compare", "--content", t.path("A"), t.path("B")});
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_EQ(run.err, "quorvex-cli: cannot read " + t.path("A/pipe") + ": not a regular file\n" +
                           "quorvex-cli: cannot read " + t.path("B/pipe") +
                           ": not a regular file\n");
    EXPECT_THAT(run.out, HasSubstr("same.txt\t"));
    EXPECT_THAT(run.out, HasSubstr("pipe\t"));
}

TEST(CliReadFailures, AMaskFileThatCannotBeReadIsNamedWithItsReason)
{
    TempTree t;
    t.dir("A");
    const auto run = RunCli({"--masks", t.path("missing.txt"), "empty", t.path("A")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "quorvex-cli: cannot read " + t.path("missing.txt") + ": " +
                           std::strerror(ENOENT) + "\n");
}

TEST(CliReadFailures, IdenticalRefusesAFileItCannotReadOrAnEmptyOne)
{
    TempTree t;
    t.file("A/same", "same");
    t.fifo("A/pipe");
    const auto pipe = RunCli({"identical", t.path("A/pipe"), t.path("A")});
    EXPECT_EQ(pipe.exitCode, 2);
    EXPECT_EQ(pipe.err, "quorvex-cli: cannot read " + t.path("A/pipe") + ": not a regular file\n");
    EXPECT_EQ(pipe.out, "");

    // An unset variable must not turn the command into a duplicate search.
    const auto empty = RunCli({"identical", "", t.path("A")});
    EXPECT_EQ(empty.exitCode, 2);
    EXPECT_EQ(empty.err, "ファイル [  ]\n\nファイルパスが不明です。\n");
    EXPECT_EQ(empty.out, "");
}

TEST(CliReadFailures, AMaskFileIsReadUpToABound)
{
    TempTree t;
    t.file("A/x.txt", "x");
    const std::string masks = t.file("masks.txt", "*.txt\n");
    std::filesystem::resize_file(masks, (1 << 20) + 1); // sparse: no memory, no disk
    const auto run = RunCli({"--masks", masks, "empty", t.path("A")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "quorvex-cli: the mask file " + masks + " is larger than 1 MiB\n");
    EXPECT_EQ(run.out, "");
}

class UnreadableFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "needs root to run the tool as another user";
        t.file("A/locked/inside/zero");
        t.file("A/open/zero");
        t.file("A/open/copy", "twin");
        t.file("A/copy", "twin");
        t.file("B/locked/other", "x");
        t.file("A/open/copy2", "twin");
        t.file("A/open/secret", "twin"); // root's, closed to others
        for (const char* folder : {"", "A", "A/open", "B"})
            ::chmod(t.path(folder).c_str(), 0755);
        ::chmod(t.path("A/locked").c_str(), 0700); // root's, closed to others
        ::chmod(t.path("B/locked").c_str(), 0700);
        for (const char* file : {"A/open/zero", "A/open/copy", "A/open/copy2", "A/copy"})
            ::chmod(t.path(file).c_str(), 0644);
        ::chmod(t.path("A/open/secret").c_str(), 0600);
    }
    std::string cannotRead(const std::string& folder) const
    {
        return "quorvex-cli: cannot read " + t.path(folder) + ": " + std::strerror(EACCES) + "\n";
    }
    TempTree t;
};

TEST_F(UnreadableFolder, EveryCommandNamesItAndEndsWithStatusThree)
{
    const auto empty = RunCli({"empty", t.path("A")}, As::Nobody);
    EXPECT_EQ(empty.exitCode, 3);
    EXPECT_EQ(empty.err, cannotRead("A/locked/"));
    EXPECT_THAT(empty.out, HasSubstr("open/zero"));
    EXPECT_THAT(empty.out, Not(HasSubstr("locked"))); // never shown as an empty folder

    // A file equal to others that cannot be read: named, and in no group.
    for (const char* threshold : {"100", "90"}) {
        SCOPED_TRACE(threshold);
        // The other user may not write this user's scan cache.
        const auto dups =
            RunCli({"--no-cache", "--threshold", threshold, "dups", t.path("A")}, As::Nobody);
        EXPECT_EQ(dups.exitCode, 3);
        EXPECT_EQ(dups.err, cannotRead("A/locked/") + cannotRead("A/open/secret"));
        EXPECT_THAT(dups.out, HasSubstr("copy\t100"));
        EXPECT_THAT(dups.out, Not(HasSubstr("secret")));
    }
    const auto target =
        RunCli({"--no-cache", "identical", t.path("A/open/secret"), t.path("A")}, As::Nobody);
    EXPECT_EQ(target.exitCode, 2);
    EXPECT_EQ(target.err, cannotRead("A/open/secret"));
    EXPECT_EQ(target.out, "");

    const auto compare = RunCli({"--no-cache", "compare", t.path("A"), t.path("B")}, As::Nobody);
    EXPECT_EQ(compare.exitCode, 3);
    EXPECT_EQ(compare.err, cannotRead("A/locked/") + cannotRead("B/locked/"));
    EXPECT_THAT(compare.out, HasSubstr("locked\t"));    // the folder's own row
    EXPECT_THAT(compare.out, Not(HasSubstr("inside"))); // nothing from within
}

} // namespace
