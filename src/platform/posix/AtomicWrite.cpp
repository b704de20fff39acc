// Atomic rewrites: a temporary file beside the target, written, fsynced and renamed
// over it, so that readers see the old or the new content and never a mixture.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/FaultHook.h"
#include "platform/TextFile.h"
#include "platform/posix/ProcessUmask.h"

namespace quorvex::platform {

namespace {

// A symbolic link is kept: its target is what gets replaced.
std::string ResolveTarget(const std::string& path)
{
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void SyncFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(std::string_view path, std::string_view bytes)
{
    if (path.empty() || IsFaultInjected(FaultPoint::Write, path))
        return false;
    const std::string target = ResolveTarget(std::string(path));
    std::string tempText = target + ".tmp-XXXXXX";
    std::vector<char> tempPath(tempText.begin(), tempText.end());
    tempPath.push_back('\0');
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0)
        return false;

    struct stat existing;
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                               : (0666 & ~posix::CurrentUmask());
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tempPath.data(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.data());
        return false;
    }
    SyncFolderOf(target);
    return true;
}

} // namespace quorvex::platform
