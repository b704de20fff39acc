// The instance lock as a second start sees it: held by another process, free after
// that process ends, and never a reason to refuse a start when it cannot be made.
// Whatever sits at the lock path, the first start runs and a second one does not.
#include "app/SingleInstance.h"
#include "support/TempTree.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include <gtest/gtest.h>

namespace {

using quorvex::app::AnotherInstanceRuns;
using quorvex::platform::InstanceLock;

// A start in another process: it takes the lock at `path` and holds it until the
// object is destroyed. A start that blocks is killed after five seconds.
class OtherStart
{
public:
    explicit OtherStart(const std::string& path)
    {
        if (pipe(ready_) != 0 || pipe(release_) != 0)
            return;
        child_ = fork();
        if (child_ == 0) {
            alarm(5);
            InstanceLock lock(path);
            const char result = AnotherInstanceRuns(lock) ? 'R' : (lock.isHeld() ? 'H' : 'U');
            (void)!write(ready_[1], &result, 1);
            char go;
            (void)!read(release_[0], &go, 1);
            _exit(0);
        }
        if (read(ready_[0], &result_, 1) != 1)
            result_ = 'B'; // blocked (killed by the alarm) or crashed
    }
    ~OtherStart()
    {
        (void)!write(release_[1], "x", 1);
        int status = 0;
        if (child_ > 0)
            waitpid(child_, &status, 0);
        for (int fd : {ready_[0], ready_[1], release_[0], release_[1]})
            close(fd);
    }
    // 'H' holds the lock, 'R' refused (another runs), 'U' runs unguarded, 'B' blocked.
    char result() const { return result_; }

private:
    int ready_[2] = {-1, -1};
    int release_[2] = {-1, -1};
    pid_t child_ = -1;
    char result_ = 0;
};

// While one start holds the lock a second is refused; afterwards one runs again, and
// refuses another.
void ExpectExactlyOneStartRuns(const std::string& path, const std::string& what)
{
    {
        OtherStart first(path);
        ASSERT_EQ(first.result(), 'H') << what;
        InstanceLock second(path);
        EXPECT_TRUE(AnotherInstanceRuns(second)) << what;
        EXPECT_FALSE(second.isHeld()) << what;
    }
    InstanceLock afterwards(path);
    EXPECT_FALSE(AnotherInstanceRuns(afterwards)) << what;
    EXPECT_TRUE(afterwards.isHeld()) << what;
    InstanceLock again(path); // a second lock of the same process is refused as well
    EXPECT_TRUE(AnotherInstanceRuns(again)) << what;
}

TEST(SingleInstanceTest, ALockHeldByAnotherProcessRefusesTheSecondStart)
{
    quorvex::test::TempTree tree;
    ExpectExactlyOneStartRuns(tree.path("Quorvex.lock"), "plain");
}

TEST(SingleInstanceTest, AnUnusableLockFolderDoesNotStopTheStart)
{
    InstanceLock lock("/nonexistent-folder-of-quorvex/Quorvex.lock");
    EXPECT_FALSE(AnotherInstanceRuns(lock));
    EXPECT_FALSE(lock.isHeld());
}

TEST(SingleInstanceTest, AFifoAtTheLockPathNeitherBlocksNorLetsTwoRun)
{
    quorvex::test::TempTree tree;
    tree.fifo("Quorvex.lock");
    ExpectExactlyOneStartRuns(tree.path("Quorvex.lock"), "fifo");
}

TEST(SingleInstanceTest, LinksAtTheLockPathNeverRefuseTheFirstStart)
{
    quorvex::test::TempTree tree;
    const std::string target = tree.file("target", "someone's file");
    for (const char* pointsTo : {"/dev/null", "dangling", "target", "."}) {
        tree.symlink("Quorvex.lock", pointsTo);
        ExpectExactlyOneStartRuns(tree.path("Quorvex.lock"), pointsTo);
        ASSERT_EQ(unlink(tree.path("Quorvex.lock").c_str()), 0);
    }
    std::ifstream kept(target);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "someone's file"); // the link was replaced, not what it points to
}

TEST(SingleInstanceTest, AFolderAtTheLockPathNeverLetsTwoRun)
{
    quorvex::test::TempTree tree;
    const std::string path = tree.path("Quorvex.lock");
    tree.dir("Quorvex.lock");
    ExpectExactlyOneStartRuns(path, "empty folder");

    // A folder with content stays; the lock is taken beside it.
    ASSERT_EQ(unlink(path.c_str()), 0);
    tree.file("Quorvex.lock/content");
    ExpectExactlyOneStartRuns(path, "folder with content");
    EXPECT_EQ(access((path + "/content").c_str(), F_OK), 0);

    // The folder goes while the first start runs: a later start still finds it.
    OtherStart first(path);
    ASSERT_EQ(first.result(), 'H');
    ASSERT_EQ(unlink((path + "/content").c_str()), 0);
    ASSERT_EQ(rmdir(path.c_str()), 0);
    InstanceLock second(path);
    EXPECT_TRUE(AnotherInstanceRuns(second));
}

TEST(SingleInstanceTest, AFileOfAnotherOwnerIsReplaced)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another owner";
    quorvex::test::TempTree tree;
    const std::string path = tree.file("Quorvex.lock", "planted");
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    ExpectExactlyOneStartRuns(path, "foreign file");
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, geteuid());
}

} // namespace
