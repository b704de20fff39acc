// Atomic rewrites: a temporary file beside the target, written, fsynced and renamed
// over it, so that readers see the old or the new content and never a mixture.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/TempFileNames.h"
#include "platform/TextFile.h"
#include "platform/posix/ProcessUmask.h"
#include "platform/posix/WriteAll.h"

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

// The XXXXXX of mkostemp: six letters and digits.
bool IsTempSuffix(std::string_view suffix)
{
    if (suffix.size() != 6)
        return false;
    for (const char c : suffix)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

bool WriteFileAtomically(std::string_view path, std::string_view bytes)
{
    if (path.empty()) {
        RememberFailure(ENOENT);
        return false;
    }
    if (IsFaultInjected(FaultPoint::Write, path))
        return false;
    const std::string target = ResolveTarget(std::string(path));
    std::string tempText = target + std::string(kTempInfix) + "XXXXXX";
    std::vector<char> tempPath(tempText.begin(), tempText.end());
    tempPath.push_back('\0');
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) {
        RememberFailure(errno);
        return false;
    }

    struct stat existing;
    const mode_t mode = ::stat(target.c_str(), &existing) == 0 ? (existing.st_mode & 07777)
                                                               : (0666 & ~posix::CurrentUmask());
    bool ok = ::fchmod(fd, mode) == 0 && posix::WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && (IsFaultInjected(FaultPoint::Rename, target) ||
               ::rename(tempPath.data(), target.c_str()) != 0)) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempPath.data());
        RememberFailure(error);
        return false;
    }
    SyncFolderOf(target);
    return true;
}

void RemoveLeftoverTempFiles(std::string_view path)
{
    RemoveTempFilesBeside(ResolveTarget(std::string(path)));
}

} // namespace quorvex::platform
