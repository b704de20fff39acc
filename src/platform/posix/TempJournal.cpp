// Journals of temporary files on POSIX: a file opened for appending, held under an
// exclusive flock while its run lives.

#include "platform/TempJournal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/JournalFiles.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"
#include "platform/posix/WriteAll.h"

namespace quorvex::platform {

namespace {

bool LockWithoutWaiting(int fd)
{
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// Whether `fd` is still the file at `path`: a cleaner may have removed a journal in
// the moment between its creation and its lock.
bool StillAt(int fd, const std::string& path)
{
    struct stat opened, named;
    return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

bool TempJournal::open()
{
    if (handle_ >= 0)
        return true;
    if (!CreateFolderWithParents(folder_))
        return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = folder_ + NewJournalName();
        const int fd =
            ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            RememberFailure(errno);
            return false;
        }
        if (LockWithoutWaiting(fd) && StillAt(fd, path_)) {
            handle_ = fd;
            return true;
        }
        ::close(fd);
    }
    RememberFailure(EEXIST);
    return false;
}

void TempJournal::close()
{
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_));
    handle_ = -1;
}

bool TempJournal::append(std::string_view record)
{
    if (posix::WriteAll(static_cast<int>(handle_), record))
        return true;
    RememberFailure(errno);
    return false;
}

bool ReadUnheldJournal(const std::string& path, std::string& bytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool unheld = LockWithoutWaiting(fd) && StillAt(fd, path);
    std::optional<std::string> read;
    if (unheld)
        read = ReadWholeFile(path);
    ::close(fd);
    if (!read)
        return false;
    bytes = std::move(*read);
    return true;
}

} // namespace quorvex::platform
