#pragma once
// The steps that replacing, moving and copying users' files share on POSIX.

#include <set>
#include <string>

#include "platform/FileReplace.h"
#include "platform/TempEntry.h"

namespace quorvex::platform::posix {

// The folder part of `path`, with its separator ("." for a bare name).
std::string FolderOf(const std::string& path);
// Makes the entries of `folder` durable (a rename into it, a new name).
void SyncFolder(const std::string& folder);
// Makes everything written to the file systems of `folders` durable, each file system
// at once: a sync of each file would wait for the disk's cache once per file. False,
// with LastFailureText(), when the system could not write something.
bool SyncFileSystemsOf(const std::set<std::string>& folders);

// The result for the system's `error`, remembered as the failure's reason.
ReplaceResult Failure(int error);
// The file is no longer the expected one (remembered as the reason).
ReplaceResult Changed();

// The attempt as the entry's maker reports it (false with errno set when it failed):
// a taken name gives way to another.
TempEntry::Attempt AttemptOf(bool made);

// Puts `temp` in the place of `path`, which is still `expected`; the old file goes
// with the temporary entry. The caller syncs the folder.
ReplaceResult SwapIntoPlace(TempEntry& temp, const std::string& path, const FileIdentity& expected);

// Owner, permissions (not of a link), attributes and modification time of the entry
// `of` (at `from`) onto the new entry `name`.
bool TakeOverEntryAttributes(const std::string& from, const FileIdentity& of,
                             const std::string& name);
// The same for the regular file `of` onto its copy open as `fd`, without looking the
// copy's name up again for each.
bool TakeOverFileAttributes(const std::string& from, const FileIdentity& of, int fd);

} // namespace quorvex::platform::posix
