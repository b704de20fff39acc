#pragma once
// Replacing a user's file by a link to another file or by a clone of it, and moving a
// file to a new place, so that no instant leaves the path without the old file or
// its replacement and no byte is lost: the new entry is made under a temporary name
// beside its final place ("<name>.tmp-<suffix>", noted in a TempJournal before it is
// made) and renamed there in one step. Both act only while the path still names the
// expected file, unchanged; a file that changed in the meantime is left or put back.

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileIdentity.h"
#include "platform/TempJournal.h"

namespace quorvex::platform {

enum class ReplaceKind
{
    HardLink,     // a second name of the kept file
    SymbolicLink, // a link whose target is the kept file's path
    Clone         // an independent file sharing the kept file's blocks (copy on write)
};

enum class ReplaceResult
{
    Done,
    Changed,      // the file or the kept file is no longer the expected one; nothing changed
    CrossDevice,  // the files lie on different file systems
    Refused,      // the system or the file system refuses the link here
    NoClone,      // the file system cannot clone (never replaced by a copy instead)
    TargetExists, // something is already at the destination of a move or copy
    NotTrashable, // the file a copy replaces cannot be kept in the desktop trash
    CopyUnsound,  // the written copy did not pass its check
    Failed        // any other failure
};

// Replaces the regular file at `path`, which must still be `expected`, by a link to
// or a clone of `kept`, which must still be `keptExpected`. A symbolic link gets
// `kept` as its target text, so `kept` should be absolute. A clone keeps the
// replaced file's permissions and times. On any result but Done the path still holds
// its file and no temporary file is left; LastFailureText() says why.
ReplaceResult ReplaceByKeptFile(std::string_view path, const FileIdentity& expected,
                                std::string_view kept, const FileIdentity& keptExpected,
                                ReplaceKind kind, TempJournal& journal);

// Moves the file at `path`, which must still be `expected`, to `destination`, where
// nothing may be yet; its folders are made as needed. Across file systems the file
// is copied under a temporary name there, with its permissions and times, renamed
// into place, and only then removed from `path`. On any result but Done the file is
// still at `path` and nothing was left at the destination.
ReplaceResult MoveFileTo(std::string_view path, const FileIdentity& expected,
                         std::string_view destination, TempJournal& journal);

// Gives the folder `destination` the permissions, times and attributes of the folder
// `source`, once what it holds was written (which sets its time). False, with
// LastFailureText(), when the system refuses.
bool CopyFolderAttributes(std::string_view source, std::string_view destination);

// Removes the file at `path` while it is still `expected`, untouched: the original of
// a move whose copy is known to be in place. Changed when it is not; Failed, with
// LastFailureText(), when the system refuses.
ReplaceResult RemoveIfStillExpected(std::string_view path, const FileIdentity& expected);

} // namespace quorvex::platform
