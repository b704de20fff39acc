#include "actions/EmptyEntryChecks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/FaultHook.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex {

namespace {

using platform::posix::PathAnchor;

// Paths of any length are reached through the platform's anchor.
bool DescribeEntry(const PathAnchor& anchor, struct stat& status)
{
    return anchor.isValid() &&
           ::fstatat(anchor.dirFd(), anchor.name(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

bool IsEmptyRegular(const struct stat& status)
{
    return S_ISREG(status.st_mode) && status.st_size == 0;
}

} // namespace

bool IsEmptyRegularFile(std::string_view path)
{
    const std::string pathText(path);
    struct stat status;
    return DescribeEntry(PathAnchor(pathText), status) && IsEmptyRegular(status);
}

bool DeleteFileIfEmpty(std::string_view path)
{
    // The entry is described without following a link and without needing read
    // permission; unlink works on the name either way, so an open descriptor of the
    // file would narrow nothing.
    if (platform::IsFaultInjected(platform::FaultPoint::Remove, path))
        return false;
    const std::string pathText(path);
    const PathAnchor anchor(pathText);
    struct stat status;
    if (!DescribeEntry(anchor, status) || !IsEmptyRegular(status))
        return false;
    return ::unlinkat(anchor.dirFd(), anchor.name(), 0) == 0;
}

} // namespace quorvex
