// Single-entry lookup on POSIX: the entry is described relative to the folder that
// holds it, as a listing describes its entries.

#include <fcntl.h>

#include <cerrno>
#include <cstring>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/posix/EntryAttributes.h"
#include "platform/posix/PathAnchor.h"

namespace quorvex::platform {

std::optional<DirEntry> LookupEntry(std::string_view path)
{
    if (path.empty() || IsFaultInjected(FaultPoint::Lookup, path))
        return std::nullopt;
    const std::string fullPath(WithoutTrailingSeparators(path));
    const std::size_t slash = fullPath.rfind('/');
    DirEntry entry;
    entry.name = slash == std::string::npos ? fullPath : fullPath.substr(slash + 1);
    const posix::PathAnchor anchor(fullPath);
    if (!anchor.isValid()) {
        RememberFailure(errno);
        return std::nullopt;
    }
    // The anchor names the entry within its folder; what comes before that name is
    // the folder's part of the full path.
    const std::string_view folderPrefix(fullPath.data(),
                                        fullPath.size() - std::strlen(anchor.name()));
    if (!posix::DescribeEntry({anchor.dirFd(), anchor.name(), folderPrefix},
                              posix::IsHiddenByName(entry.name.c_str()), entry)) {
        RememberFailure(errno);
        return std::nullopt;
    }
    return entry;
}

} // namespace quorvex::platform
