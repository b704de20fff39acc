#pragma once
// How a POSIX file-system entry becomes a DirEntry: the attribute word derived from
// the mode, the name and the DOS attribute extended attribute, and the size and time
// of what a symbolic link points to.

#include <sys/stat.h>

#include <cstdint>
#include <optional>

#include "platform/FileSystem.h"

namespace quorvex::platform::posix {

// The attribute word of an entry that is not a symbolic link (or a link's target).
std::uint32_t AttributeWord(const struct stat& status, bool hiddenByName,
                            std::optional<std::uint32_t> dosAttrib);

// user.DOSATTRIB of an open entry.
std::optional<std::uint32_t> ReadDosAttribOfFd(int fd);
// user.DOSATTRIB of the entry `nameInDir` of the open folder `dirFd` (or AT_FDCWD with a
// full path), of a link itself unless followLinks; `fullPath` serves kernels without a lookup
// relative to a folder.
std::optional<std::uint32_t> ReadDosAttribAt(int dirFd, const char* nameInDir, const char* fullPath,
                                             bool followLinks);

// A name is hidden by name when it begins with '.', except "." and "..".
bool IsHiddenByName(const char* name);

// Fills everything but the name of `entry` for the entry `nameInDir` of the open
// folder `dirFd` (or AT_FDCWD with a full path). `fullPath` names the same entry and
// is used for the extended attribute. Returns false (and sets errno) when the entry
// cannot be described, e.g. because it vanished.
bool DescribeEntry(int dirFd, const char* nameInDir, const char* fullPath, bool hiddenByName,
                   DirEntry& entry);

FileTime ModificationTime(const struct stat& status);

} // namespace quorvex::platform::posix
