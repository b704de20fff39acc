#pragma once
// Which file a path names, beyond its name: the file system and the file's number
// there (two paths with the same pair name one file), its link count, size and times.
// What replaces or moves a user's file takes the file's identity before it judges
// the file and acts only while the path still names that same, unchanged file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace quorvex::platform {

struct FileIdentity
{
    std::uint64_t device = 0;
    std::uint64_t fileNumber = 0;
    std::uint64_t links = 0;
    std::uint64_t size = 0;
    FileTime lastWrite;
    // The last change of its bytes or attributes, which the system sets and no program
    // can set back (unlike lastWrite, which a writer may restore after writing).
    FileTime changed;
    std::uint32_t permissions = 0; // the mode's permission bits (POSIX)
    std::uint32_t owner = 0;       // user and group (POSIX)
    std::uint32_t group = 0;
    bool regular = false; // a regular file: not a folder, link, FIFO or device
    bool folder = false;
    bool link = false; // a symbolic link (IdentifyEntry only)

    bool sameFile(const FileIdentity& other) const
    {
        return device == other.device && fileNumber == other.fileNumber;
    }
    // The same file, still of the same size and time.
    bool unchanged(const FileIdentity& other) const
    {
        return sameFile(other) && size == other.size && lastWrite == other.lastWrite;
    }
    // Unchanged, and not even written with its time put back. A rename, a new link or
    // new attributes also count as touching it.
    bool untouched(const FileIdentity& other) const
    {
        return unchanged(other) && changed == other.changed;
    }
};

// The entry at `path` itself: a symbolic link is described as the link. Nullopt when
// nothing is there (LastFailureText() says why).
std::optional<FileIdentity> IdentifyEntry(std::string_view path);
// The file that `path` leads to, after symbolic links.
std::optional<FileIdentity> IdentifyTarget(std::string_view path);

// The absolute path without links, "." or ".." components; AbsolutePath(path) when
// the system cannot resolve it (a path that does not exist, or too long).
std::string CanonicalPath(std::string_view path);

} // namespace quorvex::platform
