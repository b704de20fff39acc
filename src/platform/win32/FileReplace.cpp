// Replacing and moving users' files on Windows: the link is made under a temporary
// name beside the file and moved over it (MoveFileExW replacing it) right after the
// file was checked. Windows file systems cannot clone a file through this layer.

#include "platform/FileReplace.h"

#include <windows.h>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/ReplaceChecks.h"
#include "platform/TempEntry.h"
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

bool CopyFolderAttributes(std::string_view, std::string_view)
{
    win32::RememberLastError(ERROR_NOT_SUPPORTED);
    return false;
}

} // namespace quorvex::platform
