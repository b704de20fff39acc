// The instance lock as a second start sees it: held by another process, free after
// that process ends, and never a reason to refuse a start when it cannot be made.
#include "app/SingleInstance.h"
#include "support/TempTree.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using quorvex::app::AnotherInstanceRuns;
using quorvex::platform::InstanceLock;

TEST(SingleInstanceTest, ALockHeldByAnotherProcessRefusesTheSecondStart)
{
    quorvex::test::TempTree tree;
    const std::string path = tree.path("Quorvex.lock");
    int ready[2], release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        InstanceLock first(path);
        const char held = first.tryAcquire() ? '1' : '0';
        (void)!write(ready[1], &held, 1);
        char go;
        (void)!read(release[0], &go, 1);
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    ASSERT_EQ(held, '1');
    {
        InstanceLock second(path);
        EXPECT_TRUE(AnotherInstanceRuns(second));
        EXPECT_FALSE(second.isHeld());
    }
    (void)!write(release[1], "x", 1);
    int status = 0;
    waitpid(child, &status, 0);
    InstanceLock afterwards(path);
    EXPECT_FALSE(AnotherInstanceRuns(afterwards));
    EXPECT_TRUE(afterwards.isHeld());
}

TEST(SingleInstanceTest, AnUnusableLockFolderDoesNotStopTheStart)
{
    InstanceLock lock("/nonexistent-folder-of-quorvex/Quorvex.lock");
    EXPECT_FALSE(AnotherInstanceRuns(lock));
}

} // namespace
