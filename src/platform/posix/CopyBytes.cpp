#include "platform/posix/CopyBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <vector>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/posix/InputFileAccess.h"
#include "platform/posix/ReplaceSteps.h"
#include "platform/posix/WriteAll.h"

namespace quorvex::platform::posix {

namespace {

constexpr std::size_t kBlock = std::size_t{1} << 16;
// Written bytes are sent to the disk in steps of this size while the copy goes on, so
// that a large file's writing overlaps its copying and the final sync waits little.
constexpr off_t kWriteBehind = off_t{8} << 20;

void StartWriting(int fd, off_t from, off_t length)
{
    (void)::sync_file_range(fd, from, length, SYNC_FILE_RANGE_WRITE);
}

// Creates `to` with the bytes of `source` (`written` of them), then lets `finish` give
// the open copy its attributes. The copy's descriptor, open for reading and writing,
// or -1 with nothing left at `to` when either fails.
int CopyThen(InputFile& source, const std::string& to, const std::function<bool(int)>& finish,
             off_t& written)
{
    const int fd = ::open(to.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        RememberFailure(errno);
        return -1;
    }
    // A small file's buffer holds just the file: no large block to clear for each.
    std::vector<char> buffer(std::clamp<std::uint64_t>(source.size(), 1, kBlock));
    std::int64_t got;
    off_t started = 0;
    written = 0;
    while ((got = source.read(buffer.data(), buffer.size())) > 0) {
        if (IsFaultInjected(FaultPoint::Write, to) ||
            !WriteAll(fd, std::string_view(buffer.data(), static_cast<std::size_t>(got)))) {
            RememberFailure(errno);
            got = -1;
            break;
        }
        written += got;
        if (written - started >= kWriteBehind) {
            StartWriting(fd, started, written - started);
            started = written;
        }
    }
    if (got == 0 && finish(fd))
        return fd;
    if (got == 0)
        RememberFailure(errno);
    ::close(fd);
    ::unlink(to.c_str());
    return -1;
}

} // namespace

bool CopyBytes(const std::string& from, const std::string& to, mode_t mode, Durability durability)
{
    const auto finish = [&](int fd) {
        return ::fchmod(fd, mode) == 0 && (durability == Durability::Later || ::fsync(fd) == 0);
    };
    InputFile source;
    off_t written;
    const int fd = source.open(from) ? CopyThen(source, to, finish, written) : -1;
    if (fd < 0)
        return false;
    if (::close(fd) == 0)
        return true;
    RememberFailure(errno);
    ::unlink(to.c_str());
    return false;
}

bool CopyFileWithAttributes(const std::string& from, const FileIdentity& of, const std::string& to,
                            InputFile& source, InputFile& copy)
{
    const auto finish = [&](int fd) { return TakeOverFileAttributes(from, of, fd); };
    off_t written;
    const int fd = source.open(from) ? CopyThen(source, to, finish, written) : -1;
    if (fd < 0)
        return false;
    InputFileAccess::adopt(copy, fd, static_cast<std::uint64_t>(written), to);
    return true;
}

bool SyncWritten(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        RememberFailure(errno);
        return false;
    }
    const bool synced = ::fsync(fd) == 0;
    if (!synced)
        RememberFailure(errno);
    ::close(fd);
    return synced;
}

} // namespace quorvex::platform::posix
