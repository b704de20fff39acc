// Replacing, moving and copying users' files on Windows: the link or copy is made
// under a temporary name beside the file and moved over it (MoveFileExW replacing it)
// right after the file was checked. Windows file systems cannot clone a file through
// this layer.

#include "platform/FileReplace.h"

#include <windows.h>

#include "platform/DesktopTrash.h"
#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/ReplaceChecks.h"
#include "platform/TempEntry.h"
#include "platform/win32/CopyEntry.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/FileTimes.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

// Older MinGW-w64 headers lack the flag of Windows 10's developer mode.
#ifndef SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
#define SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE 0x2
#endif

namespace quorvex::platform {

namespace {

ReplaceResult Failure(DWORD error)
{
    win32::RememberLastError(error);
    switch (error) {
    case ERROR_NOT_SAME_DEVICE:
        return ReplaceResult::CrossDevice;
    case ERROR_PRIVILEGE_NOT_HELD:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return ReplaceResult::Refused;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return ReplaceResult::TargetExists;
    default:
        return ReplaceResult::Failed;
    }
}

// The folder of a move's destination cannot be made: said with the folder's name and
// never as a taken destination (a file that has the folder's name is not the
// destination).
ReplaceResult FolderFailure(const std::string& folder, DWORD error)
{
    win32::RememberLastError(
        error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? ERROR_DIRECTORY : error);
    RememberFailure(folder + ": " + LastFailureText());
    return ReplaceResult::Failed;
}

ReplaceResult Changed()
{
    RememberFailure("changed while it was being replaced");
    return ReplaceResult::Changed;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t separator = FindLastSeparator(path);
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

using Attempt = TempEntry::Attempt;

// The attempt as the entry's maker reports it: a taken name gives way to another.
Attempt AttemptOf(bool made)
{
    if (made)
        return Attempt::Made;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? Attempt::Taken
                                                                       : Attempt::Failed;
}

bool MakeSymbolicLink(const std::string& kept, const std::string& name)
{
    const std::wstring link = win32::WidePath(name), target = win32::Widen(kept);
    // Without the developer mode the flag is refused as unknown on older systems.
    return CreateSymbolicLinkW(link.c_str(), target.c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) ||
           (GetLastError() == ERROR_INVALID_PARAMETER &&
            CreateSymbolicLinkW(link.c_str(), target.c_str(), 0));
}

} // namespace

ReplaceResult ReplaceByKeptFile(std::string_view pathText, const FileIdentity& expected,
                                std::string_view keptText, const FileIdentity& keptExpected,
                                ReplaceKind kind, TempJournal& journal)
{
    const std::string path(pathText), kept(keptText);
    if (kind == ReplaceKind::Clone) {
        RememberFailure("the file system cannot clone files");
        return ReplaceResult::NoClone;
    }
    TempEntry temp(journal);
    bool injected = false;
    const bool made = temp.make(path, [&](const std::string& name) {
        if (IsFaultInjected(FaultPoint::Link, name)) {
            injected = true;
            return Attempt::Failed;
        }
        if (kind == ReplaceKind::HardLink)
            return AttemptOf(CreateHardLinkW(win32::WidePath(name).c_str(),
                                             win32::WidePath(kept).c_str(), nullptr) != 0);
        return AttemptOf(MakeSymbolicLink(kept, name));
    });
    if (!made)
        return injected ? ReplaceResult::Failed : Failure(GetLastError());
    if (!ReadyToSwap(path, expected, kept, keptExpected, kind, temp.path()))
        return Changed();
    if (IsFaultInjected(FaultPoint::Rename, path))
        return ReplaceResult::Failed; // the reason is the injected one
    if (!MoveFileExW(win32::WidePath(temp.path()).c_str(), win32::WidePath(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return Failure(GetLastError());
    temp.renamed();
    return ReplaceResult::Done;
}

ReplaceResult MoveFileTo(std::string_view pathText, const FileIdentity& expected,
                         std::string_view destinationText, TempJournal& journal)
{
    const std::string path(pathText), destination(destinationText);
    if (!StillExpected(path, expected))
        return Changed();
    if (!CreateFolderWithParents(FolderOf(destination)))
        return FolderFailure(FolderOf(destination), GetLastError());
    if (IsFaultInjected(FaultPoint::Rename, path))
        return ReplaceResult::Failed; // the reason is the injected one
    const std::wstring from = win32::WidePath(path), to = win32::WidePath(destination);
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
        return ReplaceResult::Done;
    if (GetLastError() != ERROR_NOT_SAME_DEVICE)
        return Failure(GetLastError());
    // Another volume: a copy under a temporary name there, moved into place, and only
    // then the original removed, while it is still the file that was copied.
    TempEntry temp(journal);
    if (!temp.make(destination, [&](const std::string& name) {
            return AttemptOf(CopyFileW(from.c_str(), win32::WidePath(name).c_str(), TRUE) != 0);
        }))
        return Failure(GetLastError());
    if (!StillExpected(path, expected))
        return Changed();
    if (!MoveFileExW(win32::WidePath(temp.path()).c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
        return Failure(GetLastError());
    temp.renamed();
    if (!StillExpected(path, expected)) {
        DeleteFileW(to.c_str());
        return Changed();
    }
    if (!DeleteRegularFile(path)) {
        const std::string reason = LastFailureText();
        DeleteFileW(to.c_str());
        RememberFailure(reason);
        return ReplaceResult::Failed;
    }
    return ReplaceResult::Done;
}

namespace {

// The copy's attributes without read-only while it is written, checked and maybe
// removed again; read-only is given with the rest right before it takes its place.
DWORD Writable(DWORD attributes)
{
    const DWORD writable = attributes & ~DWORD(FILE_ATTRIBUTE_READONLY);
    return writable != 0 ? writable : FILE_ATTRIBUTE_NORMAL;
}

// The attributes of `path` that a program may set on another file (not its kind,
// compression or encryption, which the system keeps), or "normal" when none is.
DWORD SettableAttributes(const std::string& path)
{
    constexpr DWORD kSettable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD attributes = GetFileAttributesW(win32::WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return attributes;
    return (attributes & kSettable) != 0 ? attributes & kSettable : FILE_ATTRIBUTE_NORMAL;
}

// Gives the file or folder `name` the last-write time `lastWrite` and, where given,
// makes its bytes durable first.
bool SetTimeAndFlush(const std::string& name, FileTime lastWrite, bool flush)
{
    const win32::FileHandle file(CreateFileW(
        win32::WidePath(name).c_str(), FILE_WRITE_ATTRIBUTES | (flush ? GENERIC_WRITE : 0),
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const FILETIME time = win32::ToFiletime(lastWrite);
    return file.isOpen() && (!flush || FlushFileBuffers(file.get())) &&
           SetFileTime(file.get(), nullptr, nullptr, &time);
}

// The bytes of the regular file `from` (`of`) in the new file `name`, with its time,
// synced; nothing is left at `name` when it fails.
Attempt MakeCopy(const std::string& from, const FileIdentity& of, const std::string& name,
                 DWORD attributes)
{
    const std::wstring copy = win32::WidePath(name);
    if (!CopyFileExW(win32::WidePath(from).c_str(), copy.c_str(), nullptr, nullptr, nullptr,
                     COPY_FILE_FAIL_IF_EXISTS))
        return AttemptOf(false);
    if (SetFileAttributesW(copy.c_str(), Writable(attributes)) &&
        SetTimeAndFlush(name, of.lastWrite, true))
        return Attempt::Made;
    const DWORD error = GetLastError(); // the copy goes again: it is no taken name
    SetFileAttributesW(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(copy.c_str());
    SetLastError(error);
    return Attempt::Failed;
}

// Moves the finished copy `temp` to `destination` (over the file there where
// `replace`), with its final attributes.
bool PutCopyInPlace(TempEntry& temp, const std::string& destination, DWORD attributes, bool replace)
{
    const std::wstring copy = win32::WidePath(temp.path());
    if (!SetFileAttributesW(copy.c_str(), attributes))
        return false;
    if (MoveFileExW(copy.c_str(), win32::WidePath(destination).c_str(),
                    MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0))) {
        temp.renamed();
        return true;
    }
    const DWORD error = GetLastError();
    SetFileAttributesW(copy.c_str(), Writable(attributes)); // so that it can be removed
    SetLastError(error);
    return false;
}

// Gives the file at `path`, which must still be `replaced`, a second name in the
// Recycle Bin while it stays in place: a hard link beside it, moved there by the
// shell. The Recycle Bin then lists it under that temporary name. False when the file
// system makes no hard link or the drive has no Recycle Bin (nothing is left then),
// or when the file changed (`changed` set).
bool SecondNameInRecycleBin(const std::string& path, const FileIdentity& replaced,
                            TempJournal& journal, bool& changed)
{
    TempEntry second(journal);
    if (!second.make(path, [&](const std::string& name) {
            return AttemptOf(CreateHardLinkW(win32::WidePath(name).c_str(),
                                             win32::WidePath(path).c_str(), nullptr) != 0);
        }))
        return false;
    const std::optional<FileIdentity> linked = IdentifyEntry(second.path());
    const std::optional<FileIdentity> there = IdentifyEntry(path);
    if (!linked || !there || !linked->sameFile(replaced) || !there->unchanged(replaced)) {
        changed = true;
        return false;
    }
    if (!MoveToDesktopTrash(second.path()))
        return false;
    second.renamed();
    return true;
}

// Gives the file at `path`, which must still be `replaced`, the second name `keepAs`
// beside it: a hard link, so that it never leaves its path. False when it cannot have
// it (the reason remembered, naming `keepAs`), or when the file changed (`changed`
// set); the second name is gone again then.
bool SecondNameAt(const std::string& path, const FileIdentity& replaced, const std::string& keepAs,
                  bool& changed)
{
    if (!CreateHardLinkW(win32::WidePath(keepAs).c_str(), win32::WidePath(path).c_str(), nullptr)) {
        win32::RememberLastError();
        RememberFailure(keepAs + ": " + LastFailureText());
        return false;
    }
    const std::optional<FileIdentity> linked = IdentifyEntry(keepAs);
    const std::optional<FileIdentity> there = IdentifyEntry(path);
    if (!linked || !there || !linked->sameFile(replaced) || !there->unchanged(replaced)) {
        DeleteFileW(win32::WidePath(keepAs).c_str());
        changed = true;
        return false;
    }
    return true;
}

} // namespace

// Symbolic links are not copied: making one needs a privilege or the developer mode,
// and what it then leads to differs from the source tree's link.
ReplaceResult CopyEntryInto(std::string_view sourceText, const FileIdentity& sourceExpected,
                            std::string_view destinationText,
                            const std::optional<FileIdentity>& replaced,
                            std::string_view keepAsText, TempJournal& journal,
                            const std::function<bool(const std::string& copy)>& sound,
                            std::string& keptAt)
{
    const std::string source(sourceText), destination(destinationText), keepAs(keepAsText);
    if (sourceExpected.link) {
        RememberFailure("symbolic links are not copied on Windows");
        return ReplaceResult::Refused;
    }
    if (!StillExpected(source, sourceExpected) ||
        (replaced && !StillExpected(destination, *replaced)))
        return Changed();
    if (!replaced && LookupEntry(destination))
        return Failure(ERROR_FILE_EXISTS);
    const DWORD attributes = SettableAttributes(source);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return Failure(GetLastError());
    TempEntry temp(journal);
    if (!temp.make(destination, [&](const std::string& name) {
            return MakeCopy(source, sourceExpected, name, attributes);
        }))
        return Failure(GetLastError());
    if (!sound(temp.path()))
        return ReplaceResult::CopyUnsound;
    if (!StillExpected(source, sourceExpected))
        return Changed();
    if (!replaced)
        return PutCopyInPlace(temp, destination, attributes, false) ? ReplaceResult::Done
                                                                    : Failure(GetLastError());
    bool changed = false;
    if (!keepAs.empty()) {
        if (!SecondNameAt(destination, *replaced, keepAs, changed))
            return changed ? Changed() : ReplaceResult::Failed;
        if (!PutCopyInPlace(temp, destination, attributes, true)) {
            const DWORD error = GetLastError();
            DeleteFileW(win32::WidePath(keepAs).c_str());
            return Failure(error);
        }
        keptAt = keepAs;
        return ReplaceResult::Done;
    }
    if (!SecondNameInRecycleBin(destination, *replaced, journal, changed)) {
        if (changed)
            return Changed();
        RememberFailure("it cannot be kept in the Recycle Bin");
        return ReplaceResult::NotTrashable;
    }
    // The Recycle Bin's entry stays a second name of the file should it change now:
    // the shell does not tell where it put it, so it cannot be taken out again.
    const std::optional<FileIdentity> there = IdentifyEntry(destination);
    if (!there || !there->unchanged(*replaced))
        return Changed();
    if (!PutCopyInPlace(temp, destination, attributes, true))
        return Failure(GetLastError());
    keptAt.clear(); // the shell does not tell the Recycle Bin's place
    return ReplaceResult::Done;
}

bool CopyFolderAttributes(std::string_view sourceText, std::string_view destinationText)
{
    const std::string source(WithoutTrailingSeparators(sourceText)),
        destination(WithoutTrailingSeparators(destinationText));
    const std::optional<FileIdentity> folder = IdentifyEntry(source);
    const DWORD attributes = SettableAttributes(source);
    if (!folder || !folder->folder || attributes == INVALID_FILE_ATTRIBUTES) {
        win32::RememberLastError(folder && !folder->folder ? ERROR_DIRECTORY : GetLastError());
        return false;
    }
    if (!SetFileAttributesW(win32::WidePath(destination).c_str(), attributes) ||
        !SetTimeAndFlush(destination, folder->lastWrite, false)) {
        win32::RememberLastError();
        return false;
    }
    return true;
}

} // namespace quorvex::platform
