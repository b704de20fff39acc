// Atomic rewrites: a temporary file beside the target, written, fsynced and renamed
// over it, so that readers see the old or the new content and never a mixture.
// The rename replaces the entry at the path itself: a symbolic link there is
// replaced, never written through, so a link planted in a folder that another user
// controls cannot make this process overwrite the file it points to.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
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

// The permission bits of the new file: those of the regular file it replaces; owner
// only where it replaces a link, whose target's contents it may carry (a state file
// read through the link); else what the umask leaves. A read-only file is not
// replaced (false, EACCES), as the Windows rename refuses it.
bool ModeForReplacing(const std::string& path, mode_t& mode)
{
    struct stat existing;
    if (::lstat(path.c_str(), &existing) != 0) {
        mode = 0666 & ~posix::CurrentUmask();
        return true;
    }
    if (S_ISLNK(existing.st_mode)) {
        mode = 0600;
        return true;
    }
    if (S_ISREG(existing.st_mode) && (existing.st_mode & S_IWUSR) == 0) {
        errno = EACCES;
        return false;
    }
    mode = existing.st_mode & 07777;
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

std::string NewTempSuffix()
{
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static thread_local std::mt19937_64 engine{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[pick(engine)];
    return suffix;
}

bool WriteFileAtomically(std::string_view path, std::string_view bytes)
{
    if (path.empty()) {
        RememberFailure(ENOENT);
        return false;
    }
    if (IsFaultInjected(FaultPoint::Write, path))
        return false;
    const std::string target(path);
    mode_t mode = 0;
    if (!ModeForReplacing(target, mode)) {
        RememberFailure(errno);
        return false;
    }
    std::string tempText = target + std::string(kTempInfix) + "XXXXXX";
    std::vector<char> tempPath(tempText.begin(), tempText.end());
    tempPath.push_back('\0');
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) {
        RememberFailure(errno);
        return false;
    }

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
    RemoveTempFilesBeside(std::string(path));
}

} // namespace quorvex::platform
