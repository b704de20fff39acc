#pragma once
// How a POSIX file-system entry becomes a DirEntry: the attribute word derived from
// the mode, the name and the DOS attribute extended attribute, and the size and time
// of what a symbolic link points to. A description takes two steps, so that a walk
// can stop after the first: one look at the entry (StatEntry), then its attribute
// word (AttributesOf), which reads the extended attribute.

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/FileSystem.h"

namespace quorvex::platform::posix {

// The attribute word of an entry that is not a symbolic link (or a link's target).
std::uint32_t AttributeWord(const struct stat& status, bool hiddenByName,
                            std::optional<std::uint32_t> dosAttrib);

// user.DOSATTRIB of an open entry.
std::optional<std::uint32_t> ReadDosAttribOfFd(int fd);

// A name is hidden by name when it begins with '.', except "." and "..".
bool IsHiddenByName(const char* name);

FileTime ModificationTime(const struct stat& status);

// Where an entry is: the name `nameInDir` within the open folder `dirFd` (or
// AT_FDCWD with a path), and the text that, put before that name, gives its full
// path, for kernels that read extended attributes by path only.
struct EntryPlace
{
    int dirFd;
    const char* nameInDir;
    std::string_view folderPrefix;
};

// What one look at an entry found: the entry itself and, for a symbolic link whose
// target exists, the target.
struct EntryStatus
{
    struct stat own;
    struct stat target;
    // The birth times of both (nanoseconds since the Unix epoch), 0 where the file
    // system keeps none: a number that a new file takes over gets a new one.
    std::int64_t ownBirth = 0;
    std::int64_t targetBirth = 0;
    bool link = false;
    bool dangling = false; // a link whose target does not exist
    // The status that describes the entry: a link's target, else the entry.
    const struct stat& described() const { return link && !dangling ? target : own; }
    std::int64_t describedBirth() const { return link && !dangling ? targetBirth : ownBirth; }
};

// Looks at the entry (twice for a link). False, with errno set, when it cannot.
bool StatEntry(const EntryPlace& place, EntryStatus& status);
// The attribute word of what StatEntry found.
std::uint32_t AttributesOf(const EntryPlace& place, const EntryStatus& status, bool hiddenByName);
// The size of what StatEntry found: 0 for folders and dangling links (which are files
// of size 0 with the link's own time).
std::uint64_t SizeOf(const EntryStatus& status);
// Which file StatEntry found (a link's target).
FileId IdOf(const EntryStatus& status);

// Both steps: fills everything but the name of `entry`. Returns false (and sets
// errno) when the entry cannot be described, e.g. because it vanished.
bool DescribeEntry(const EntryPlace& place, bool hiddenByName, DirEntry& entry);

} // namespace quorvex::platform::posix
