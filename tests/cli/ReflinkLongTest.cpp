// quorvex-cli dups --act reflink on a file system that can clone: a loop-mounted XFS
// image (mkfs.xfs from xfsprogs; root and a loop device needed, else skipped). The
// clones free the copies' blocks, stay files of their own and keep their attributes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/TextFile.h"
#include "support/RunCommand.h"
#include "support/TempTree.h"

namespace quorvex::test {
namespace {

class MountedImage
{
public:
    explicit MountedImage(const TempTree& t) : image_(t.path("xfs.img")), mount_(t.dir("mnt"))
    {
        mounted_ =
            RunCommand("truncate -s 300M " + ShellQuoted(image_) + " && mkfs.xfs -q -m reflink=1 " +
                       ShellQuoted(image_) + " && mount -o loop " + ShellQuoted(image_) + " " +
                       ShellQuoted(mount_))
                .exitCode == 0;
    }
    ~MountedImage()
    {
        if (mounted_)
            RunCommand("umount " + ShellQuoted(mount_));
    }
    bool mounted() const { return mounted_; }
    const std::string& folder() const { return mount_; }

private:
    std::string image_, mount_;
    bool mounted_ = false;
};

std::uint64_t FreeBytes(const std::string& folder)
{
    struct statvfs status;
    return ::statvfs(folder.c_str(), &status) == 0
               ? std::uint64_t{status.f_bavail} * status.f_frsize
               : 0;
}

TEST(ReflinkOnACloningFileSystem, ClonesFreeTheCopiesAndStayFilesOfTheirOwn)
{
    if (::geteuid() != 0 || RunCommand("command -v mkfs.xfs").exitCode != 0)
        GTEST_SKIP() << "needs root and mkfs.xfs (xfsprogs)";
    TempTree t;
    const MountedImage image(t);
    if (!image.mounted())
        GTEST_SKIP() << "no loop device could be mounted";
    const std::string folder = image.folder() + "/s";
    const auto write = [&](const std::string& name, const std::string& contents) {
        std::ofstream(folder + "/" + name, std::ios::binary) << contents;
        return folder + "/" + name;
    };
    std::filesystem::create_directories(folder);

    std::mt19937 random(7);
    std::string bytes(std::size_t{16} << 20, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    const std::string kept = write("a", bytes);
    const std::string copy = write("b", bytes);
    write("c", bytes);
    ASSERT_EQ(::chmod(copy.c_str(), 0640), 0);
    RunCommand("sync");
    const std::uint64_t freeBefore = FreeBytes(image.folder());
    struct stat before;
    ASSERT_EQ(::stat(copy.c_str(), &before), 0);

    const CommandRun run =
        RunCommand(ShellQuoted(QUORVEX_CLI_PATH) + " dups --act reflink " + ShellQuoted(folder));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    RunCommand("sync");
    EXPECT_GE(FreeBytes(image.folder()), freeBefore + 2 * bytes.size() - (std::size_t{1} << 20));

    struct stat after, keptStatus;
    ASSERT_EQ(::stat(copy.c_str(), &after), 0);
    ASSERT_EQ(::stat(kept.c_str(), &keptStatus), 0);
    EXPECT_NE(after.st_ino, keptStatus.st_ino);
    EXPECT_EQ(after.st_mode & 0777, 0640u);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(platform::ReadWholeFile(copy), bytes);
    // Independent: writing the clone leaves the kept file as it was.
    write("b", "new");
    EXPECT_EQ(platform::ReadWholeFile(kept), bytes);
}

} // namespace
} // namespace quorvex::test
