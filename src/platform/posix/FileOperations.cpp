// Creating, removing, moving entries and setting attribute words on POSIX.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

#include "platform/DosAttribText.h"
#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/posix/CopyBytes.h"
#include "platform/posix/PathAnchor.h"
#include "platform/posix/ProcessUmask.h"

namespace quorvex::platform {

namespace {

bool MakeFolder(const std::string& path)
{
    const posix::PathAnchor anchor(path);
    if (!anchor.isValid())
        return false;
    if (::mkdirat(anchor.dirFd(), anchor.name(), 0777) == 0)
        return true;
    struct stat status;
    return errno == EEXIST && ::fstatat(anchor.dirFd(), anchor.name(), &status, 0) == 0 &&
           S_ISDIR(status.st_mode);
}

} // namespace

bool SetAttributes(std::string_view path, std::uint32_t attributes)
{
    const std::string pathText(path);
    struct stat status;
    if (::lstat(pathText.c_str(), &status) != 0)
        return false;
    if (::stat(pathText.c_str(), &status) != 0)
        return true; // a dangling link has nothing to set

    constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
    const mode_t mode = status.st_mode & 07777;
    const mode_t wanted = (attributes & kAttrReadOnly) != 0
                              ? mode & ~kWriteBits
                              : mode | (kWriteBits & ~posix::CurrentUmask());
    if (wanted != mode)
        (void)::chmod(pathText.c_str(), wanted);

    const std::uint32_t kept =
        attributes & (kAttrReadOnly | kAttrHidden | kAttrSystem | kAttrArchive | kAttrTemporary);
    const std::string text =
        FormatDosAttribText(kept | (S_ISDIR(status.st_mode) ? std::uint32_t{kAttrDirectory} : 0));
    (void)::setxattr(pathText.c_str(), kDosAttribName, text.data(), text.size(), 0);
    return true;
}

bool CreateFolderWithParents(std::string_view path)
{
    const std::string folder(WithoutTrailingSeparators(path));
    if (folder.empty())
        return false;
    // Iterative, so that very deep paths need no recursion. A parent that cannot be
    // made shows in the failure of the last step.
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1)) {
        if (folder[slash - 1] != '/')
            (void)MakeFolder(folder.substr(0, slash));
    }
    if (MakeFolder(folder))
        return true;
    RememberFailure(errno);
    return false;
}

bool CreateEmptyFileExclusive(std::string_view path)
{
    const std::string pathText(path);
    const posix::PathAnchor anchor(pathText);
    if (!anchor.isValid())
        return false;
    const int fd =
        ::openat(anchor.dirFd(), anchor.name(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    return ::close(fd) == 0;
}

bool RestrictToOwner(std::string_view path)
{
    const std::string pathText(path);
    struct stat status;
    if (::stat(pathText.c_str(), &status) != 0)
        return false;
    return ::chmod(pathText.c_str(), S_ISDIR(status.st_mode) ? 0700 : 0600) == 0;
}

bool RemoveEmptyFolder(std::string_view path)
{
    if (IsFaultInjected(FaultPoint::Remove, path))
        return false;
    const std::string folder(WithoutTrailingSeparators(path));
    const posix::PathAnchor anchor(folder);
    return anchor.isValid() && ::unlinkat(anchor.dirFd(), anchor.name(), AT_REMOVEDIR) == 0;
}

bool DeleteRegularFile(std::string_view path)
{
    if (IsFaultInjected(FaultPoint::Remove, path))
        return false;
    const std::string pathText(path);
    const posix::PathAnchor anchor(pathText);
    struct stat status;
    if (!anchor.isValid() ||
        ::fstatat(anchor.dirFd(), anchor.name(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        S_ISDIR(status.st_mode))
        return false;
    return ::unlinkat(anchor.dirFd(), anchor.name(), 0) == 0;
}

bool MoveEntry(std::string_view from, std::string_view to)
{
    if (IsFaultInjected(FaultPoint::Rename, from))
        return false;
    const std::string source(from), target(to);
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: check, then rename.
    struct stat status;
    if (::lstat(target.c_str(), &status) == 0)
        return false;
    return ::rename(source.c_str(), target.c_str()) == 0;
}

bool CopyToNewFile(std::string_view from, std::string_view to)
{
    const std::string source(from), target(to);
    // A second name for the same entry costs nothing; file systems without hard
    // links get a copy. A symbolic link is copied as a link, never followed: its
    // target may be any file of the system.
    if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), 0) == 0)
        return true;
    struct stat status;
    if (::lstat(source.c_str(), &status) != 0) {
        RememberFailure(errno);
        return false;
    }
    if (!S_ISLNK(status.st_mode))
        return posix::CopyBytes(source, target, 0600);
    // One byte more than the link's size shows a link that changed meanwhile.
    std::string link(static_cast<std::size_t>(status.st_size) + 1, '\0');
    const ssize_t length = ::readlink(source.c_str(), link.data(), link.size());
    if (length < 0 || static_cast<std::size_t>(length) == link.size()) {
        RememberFailure(length < 0 ? errno : EAGAIN);
        return false;
    }
    link.resize(static_cast<std::size_t>(length));
    if (::symlink(link.c_str(), target.c_str()) != 0) {
        RememberFailure(errno);
        return false;
    }
    return true;
}

} // namespace quorvex::platform
