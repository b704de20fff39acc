// Times a walk of a tree with the platform listing, beside bare walks that show what
// each part of describing an entry costs:
//   listing_bench list DIR         ListDirectory (fstatat + DOS attribute xattr + sort)
//   listing_bench raw DIR          readdir + fstatat only: the floor
//   listing_bench raw-xattr DIR    the floor + lgetxattr by full path
//   listing_bench raw-xattrat DIR  the floor + getxattrat(dirfd, name) (Linux 6.13+)
// Prints the number of entries and the seconds taken. Links are not followed.

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace {

using quorvex::platform::DirEntry;

long WalkWithListing(const std::string& root)
{
    long count = 0;
    std::vector<std::string> pending{root};
    std::vector<DirEntry> entries;
    while (!pending.empty()) {
        std::string folder = std::move(pending.back());
        pending.pop_back();
        if (!quorvex::platform::ListDirectory(folder, entries))
            continue;
        for (const DirEntry& entry : entries) {
            if (entry.isDotName())
                continue;
            ++count;
            if (entry.isDirectory() && (entry.attributes & quorvex::platform::kAttrReparsePoint) == 0)
                pending.push_back(folder + entry.name + "/");
        }
    }
    return count;
}

struct XattrArgs
{
    std::uint64_t value;
    std::uint32_t size;
    std::uint32_t flags;
};

enum class Extra { None, PathXattr, XattrAt };

long WalkRaw(const std::string& root, Extra extra)
{
    long count = 0;
    std::vector<std::string> pending{root};
    char value[256];
    while (!pending.empty()) {
        std::string folder = std::move(pending.back());
        pending.pop_back();
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            continue;
        DIR* dir = ::fdopendir(fd);
        std::string path = folder;
        const std::size_t prefix = path.size();
        while (const dirent* item = ::readdir(dir)) {
            const char* name = item->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            struct stat status;
            if (::fstatat(fd, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            ++count;
            path.resize(prefix);
            path += name;
            if (extra == Extra::PathXattr) {
                (void)::lgetxattr(path.c_str(), "user.DOSATTRIB", value, sizeof value);
            } else if (extra == Extra::XattrAt) {
                XattrArgs args{reinterpret_cast<std::uintptr_t>(value), sizeof value, 0};
                (void)::syscall(464, fd, name, AT_SYMLINK_NOFOLLOW, "user.DOSATTRIB", &args,
                                sizeof args);
            }
            if (S_ISDIR(status.st_mode))
                pending.push_back(path + "/");
        }
        ::closedir(dir);
    }
    return count;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: listing_bench list|raw|raw-xattr|raw-xattrat DIR\n");
        return 2;
    }
    const std::string mode = argv[1];
    std::string root = argv[2];
    if (root.back() != '/')
        root += '/';
    const auto start = std::chrono::steady_clock::now();
    long count;
    if (mode == "list")
        count = WalkWithListing(root);
    else if (mode == "raw")
        count = WalkRaw(root, Extra::None);
    else if (mode == "raw-xattr")
        count = WalkRaw(root, Extra::PathXattr);
    else if (mode == "raw-xattrat")
        count = WalkRaw(root, Extra::XattrAt);
    else
        return 2;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::printf("%s\t%ld entries\t%.3f s\n", mode.c_str(), count, elapsed.count());
    return 0;
}
