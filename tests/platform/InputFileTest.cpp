#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

TEST(InputFile, ReadsSequentiallyAndAtOffsets)
{
    test::TempTree t;
    t.file("f", "0123456789");
    InputFile file;
    ASSERT_TRUE(file.open(t.path("f")));
    EXPECT_EQ(file.size(), 10u);
    char buffer[16] = {};
    EXPECT_EQ(file.read(buffer, 4), 4);
    EXPECT_EQ(std::string(buffer, 4), "0123");
    EXPECT_EQ(file.readAt(buffer, 3, 7), 3);
    EXPECT_EQ(std::string(buffer, 3), "789");
    EXPECT_EQ(file.read(buffer, 16), 6); // readAt did not move the position
    EXPECT_EQ(file.read(buffer, 16), 0);

    InputFile moved = std::move(file);
    EXPECT_FALSE(file.isOpen());
    EXPECT_TRUE(moved.isOpen());
    EXPECT_EQ(moved.readAt(buffer, 1, 0), 1);
    EXPECT_EQ(file.read(buffer, 1), -1);
}

// Opening a name of the tree's folder by its full path, or by name in the folder
// held open: both must behave alike.
class InputFileOpening : public testing::TestWithParam<bool>
{
protected:
    bool open(InputFile& file, const std::string& name)
    {
        if (!GetParam())
            return file.open(tree.path(name));
        EXPECT_TRUE(folder.open(tree.root()));
        return file.open(folder, name);
    }

    test::TempTree tree;
    OpenFolder folder;
};

TEST_P(InputFileOpening, OnlyRegularFilesOpenAndNothingBlocks)
{
    tree.fifo("pipe"); // opening a FIFO without a writer would block without O_NONBLOCK
    tree.dir("folder");
    tree.symlink("link", "target");
    tree.file("target", "abc");
    tree.symlink("device", "/dev/null");
    InputFile file;
    EXPECT_FALSE(open(file, "pipe"));
    EXPECT_EQ(LastFailureText(), "not a regular file");
    EXPECT_FALSE(open(file, "folder"));
    EXPECT_EQ(LastFailureText(), std::strerror(EISDIR));
    EXPECT_FALSE(open(file, "missing"));
    EXPECT_EQ(LastFailureText(), std::strerror(ENOENT));
    EXPECT_FALSE(open(file, "device"));
    EXPECT_EQ(LastFailureText(), "not a regular file");
    ASSERT_TRUE(open(file, "link"));
    EXPECT_EQ(file.size(), 3u);
    char buffer[4] = {};
    EXPECT_EQ(file.read(buffer, sizeof buffer), 3);
    EXPECT_EQ(std::string(buffer, 3), "abc");
}

TEST_P(InputFileOpening, InjectedFaultsSeeTheFullPath)
{
    tree.file("locked", "abc");
    tree.file("unreadable", "abc");
    SetFaultHook([&](FaultPoint point, std::string_view path) {
        return (point == FaultPoint::Open && path == tree.path("locked")) ||
               (point == FaultPoint::Read && path == tree.path("unreadable"));
    });
    InputFile file;
    EXPECT_FALSE(open(file, "locked"));
    EXPECT_EQ(LastFailureText(), std::strerror(EACCES));
    ASSERT_TRUE(open(file, "unreadable"));
    char buffer[4];
    EXPECT_EQ(file.read(buffer, 4), -1);
    EXPECT_EQ(LastFailureText(), std::strerror(EIO));
    EXPECT_EQ(file.readAt(buffer, 4, 0), -1);
    SetFaultHook(nullptr);
    EXPECT_EQ(file.read(buffer, 4), 3);
}

INSTANTIATE_TEST_SUITE_P(ByPathAndByName, InputFileOpening, testing::Bool());

TEST(InputFile, AFolderThatCannotBeOpenedSaysWhy)
{
    test::TempTree t;
    t.file("file", "abc");
    OpenFolder folder;
    EXPECT_FALSE(folder.open(t.path("missing")));
    EXPECT_EQ(LastFailureText(), std::strerror(ENOENT));
    EXPECT_FALSE(folder.open(t.path("file")));
    EXPECT_EQ(LastFailureText(), std::strerror(ENOTDIR));
    EXPECT_EQ(folder.path(), "");
}

TEST(InputFile, AFifoIsNeverOpenedSoABlockedWriterStaysBlocked)
{
    test::TempTree t;
    const std::string fifo = t.fifo("pipe");
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0)
        _exit(::open(fifo.c_str(), O_WRONLY) >= 0 ? 0 : 1); // blocks until a reader opens
    ::usleep(100'000);

    InputFile file;
    EXPECT_FALSE(file.open(fifo));
    EXPECT_EQ(LastFailureText(), "not a regular file");
    ::usleep(200'000);
    int status = 0;
    EXPECT_EQ(::waitpid(writer, &status, WNOHANG), 0) << "opening released the writer";

    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ::waitpid(writer, &status, 0);
    ::close(reader);
}

TEST(InputFile, ReadsEndAtTheSizeTheFileHadWhenOpened)
{
    test::TempTree t;
    const std::string path = t.file("growing", "0123456789");
    InputFile file;
    ASSERT_TRUE(file.open(path));
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
    ASSERT_EQ(::write(fd, "abcdef", 6), 6);
    ::close(fd);
    char buffer[64];
    EXPECT_EQ(file.readAt(buffer, sizeof buffer, 8), 2);
    EXPECT_EQ(file.readAt(buffer, sizeof buffer, 10), 0);
    EXPECT_EQ(file.read(buffer, sizeof buffer), 10);
    EXPECT_EQ(file.read(buffer, sizeof buffer), 0);

    // A file that shrank ends early.
    ASSERT_TRUE(file.open(path));
    ASSERT_EQ(::truncate(path.c_str(), 3), 0);
    EXPECT_EQ(file.read(buffer, sizeof buffer), 3);
    EXPECT_EQ(file.read(buffer, sizeof buffer), 0);

    // Files whose size says 0 while they produce text without end (as in /proc).
    ASSERT_TRUE(file.open("/proc/self/status"));
    EXPECT_EQ(file.size(), 0u);
    EXPECT_EQ(file.read(buffer, sizeof buffer), 0);
}

TEST(InputFile, SizesAndOffsetsBeyondFourGiB)
{
    test::TempTree t;
    const std::string path = t.file("sparse");
    const std::uint64_t size = (5ull << 30) + 3;
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0);
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_EQ(::pwrite(fd, "end", 3, static_cast<off_t>(size - 3)), 3);
    ::close(fd);

    EXPECT_EQ(LookupEntry(path)->size, size);
    InputFile file;
    ASSERT_TRUE(file.open(path));
    EXPECT_EQ(file.size(), size);
    char buffer[8] = {};
    EXPECT_EQ(file.readAt(buffer, sizeof buffer, size - 3), 3);
    EXPECT_EQ(std::string(buffer, 3), "end");
}

} // namespace
} // namespace quorvex::platform
