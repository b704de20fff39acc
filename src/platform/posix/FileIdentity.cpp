#include "platform/FileIdentity.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex::platform {

namespace {

std::optional<FileIdentity> Identify(std::string_view path, int flags)
{
    if (path.empty() || IsFaultInjected(FaultPoint::Lookup, path))
        return std::nullopt;
    const std::string fullPath(WithoutTrailingSeparators(path));
    const posix::PathAnchor anchor(fullPath);
    struct stat status;
    if (!anchor.isValid() || ::fstatat(anchor.dirFd(), anchor.name(), &status, flags) != 0) {
        RememberFailure(errno);
        return std::nullopt;
    }
    FileIdentity identity;
    identity.device = status.st_dev;
    identity.fileNumber = status.st_ino;
    identity.links = status.st_nlink;
    identity.size = static_cast<std::uint64_t>(status.st_size);
    identity.lastWrite = {status.st_mtim.tv_sec, static_cast<std::int32_t>(status.st_mtim.tv_nsec)};
    identity.changed = {status.st_ctim.tv_sec, static_cast<std::int32_t>(status.st_ctim.tv_nsec)};
    identity.permissions = status.st_mode & 07777;
    identity.owner = status.st_uid;
    identity.group = status.st_gid;
    identity.regular = S_ISREG(status.st_mode);
    identity.folder = S_ISDIR(status.st_mode);
    identity.link = S_ISLNK(status.st_mode);
    return identity;
}

} // namespace

std::optional<FileIdentity> IdentifyEntry(std::string_view path)
{
    return Identify(path, AT_SYMLINK_NOFOLLOW);
}

std::optional<FileIdentity> IdentifyTarget(std::string_view path)
{
    return Identify(path, 0);
}

std::string CanonicalPath(std::string_view path)
{
    const std::string text(path);
    char resolved[PATH_MAX];
    if (::realpath(text.c_str(), resolved) != nullptr)
        return resolved;
    return AbsolutePath(path);
}

} // namespace quorvex::platform
