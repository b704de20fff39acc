// quorvex-cli dups --act with one folder reachable under two paths (a bind mount; root
// needed, else skipped). The mounts live in a mount namespace of the test's own, so
// nothing outlives it. No path text shows that the two paths name one file: the
// search folders are refused as nested, a file is never acted on as a duplicate of
// itself, and the trash of an item on the second mount is made at that mount's top.
#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/TextFile.h"
#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

constexpr const char* kTime = "2024-03-04 05:06:07";
constexpr const char* kOnly = "the only copy of these bytes";

class BindMount : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        privateMounts_ = ::geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0 &&
                         ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    }
    void SetUp() override
    {
        if (!privateMounts_)
            GTEST_SKIP() << "needs root and mount namespaces";
        // The user's trash lies in the tree, on the first mount.
        ::setenv("HOME", t.dir("home").c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        t.file("real/A/k.txt", kOnly, kTime);
    }
    void TearDown() override
    {
        for (auto it = mounted_.rbegin(); it != mounted_.rend(); ++it)
            ::umount2(it->c_str(), MNT_DETACH);
    }
    // Makes `relative` a second path of the folder `of`.
    void bind(const std::string& of, const std::string& relative)
    {
        const std::string at = t.dir(relative);
        ASSERT_EQ(::mount(t.path(of).c_str(), at.c_str(), nullptr, MS_BIND, nullptr), 0);
        mounted_.push_back(at);
    }
    CommandRun dups(const std::string& options, const std::string& a, const std::string& b) const
    {
        return RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups " + options + " " +
                          ShellQuoted(t.path(a)) + " " + ShellQuoted(t.path(b)));
    }
    bool onlyCopyIntact() const
    {
        struct stat status;
        return ::lstat(t.path("real/A/k.txt").c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
               platform::ReadWholeFile(t.path("real/A/k.txt")) == kOnly;
    }

    TempTree t;
    std::vector<std::string> mounted_;
    static inline bool privateMounts_ = false;
};

TEST_F(BindMount, AFolderThatIsAnotherOrLiesWithinItUnderASecondPathIsRefused)
{
    bind("real", "alias");
    for (const auto& [a, b] : {std::pair{"real/A", "alias/A"}, std::pair{"real", "alias/A"},
                               std::pair{"alias/A", "real"}}) {
        const CommandRun run = dups("--act symlink", a, b);
        EXPECT_EQ(run.exitCode, 2) << a << " " << b << ": " << run.out;
        EXPECT_NE(run.err.find("重なっています"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(onlyCopyIntact());
}

TEST_F(BindMount, AFileFoundUnderTwoPathsIsNeverActedOnAsItsOwnDuplicate)
{
    // `other` is real/A again; neither folder path lies within the other's.
    bind("real/A", "other");
    for (const std::string& action :
         std::vector<std::string>{"symlink", "trash", "move=" + t.path("moved"), "reflink"}) {
        const CommandRun run = dups("--act " + action, "real", "other");
        EXPECT_EQ(run.exitCode, 3) << action << ": " << run.out << run.err;
        EXPECT_NE(run.err.find("同じファイルです"), std::string::npos) << action << ": " << run.err;
        EXPECT_TRUE(onlyCopyIntact()) << action;
    }
}

TEST_F(BindMount, AnItemOnASecondMountGoesToTheTrashAtThatMountsTop)
{
    t.file("real/B/d.txt", "a duplicate", kTime);
    t.file("real/C/d.txt", "a duplicate", kTime);
    bind("real/C", "other");
    const CommandRun run =
        dups("--act trash --keep under=" + ShellQuoted(t.path("real/B")), "real/B", "other");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(platform::ReadWholeFile(t.path("other/.Trash-0/files/d.txt")), "a duplicate");
    EXPECT_EQ(platform::ReadWholeFile(t.path("real/B/d.txt")), "a duplicate");
}

} // namespace
} // namespace quorvex::test
