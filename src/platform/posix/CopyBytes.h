#pragma once
// Copying a file's bytes into a new file on POSIX.

#include <sys/types.h>

#include <string>

#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"

namespace quorvex::platform::posix {

enum class Durability
{
    Synced, // on the disk when the copy returns
    Later   // the caller syncs it (its file system, or SyncWritten)
};

// Creates `to` (it must not exist) with the permission bits `mode` and the bytes of
// the regular file `from`, as durable as asked. On failure nothing is left at `to`
// and LastFailureText() says why. Each block asks the fault seam first
// (FaultPoint::Write with `to`), so that tests can fill the disk halfway.
bool CopyBytes(const std::string& from, const std::string& to, mode_t mode,
               Durability durability = Durability::Synced);
// The same, the copy given the owner, permissions, attributes and time of `of`, the
// regular file at `from` (TakeOverFileAttributes), and left for the caller to sync.
// Done, `source` and `copy` are left open on the two, to read them again without
// looking them up anew.
bool CopyFileWithAttributes(const std::string& from, const FileIdentity& of, const std::string& to,
                            InputFile& source, InputFile& copy);

// Waits until the regular file at `path`, copied with Durability::Later, is on the
// disk. False, with LastFailureText(), when the system could not write it (a full
// disk shows here at the latest).
bool SyncWritten(const std::string& path);

} // namespace quorvex::platform::posix
