// Creating, removing, moving entries and setting attribute words on Windows.

#include <windows.h>

#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

// The bits SetFileAttributesW takes; "directory" and "reparse point" are facts of
// the entry, not settings.
constexpr DWORD kSettableBits = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

DWORD AttributesOf(const std::string& path)
{
    return GetFileAttributesW(win32::WidePath(path).c_str());
}

bool MakeFolder(const std::string& path)
{
    if (CreateDirectoryW(win32::WidePath(path).c_str(), nullptr))
        return true;
    const DWORD existing = AttributesOf(path);
    return existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

bool SetAttributes(std::string_view path, std::uint32_t attributes)
{
    const std::string entry(WithoutTrailingSeparators(path));
    if (AttributesOf(entry) == INVALID_FILE_ATTRIBUTES)
        return false;
    const DWORD wanted = attributes & kSettableBits;
    (void)SetFileAttributesW(win32::WidePath(entry).c_str(),
                             wanted != 0 ? wanted : FILE_ATTRIBUTE_NORMAL);
    return true;
}

bool CreateFolderWithParents(std::string_view path)
{
    const std::string folder(WithoutTrailingSeparators(path));
    if (folder.empty())
        return false;
    // Each missing parent in turn; one that cannot be made shows in the last step.
    for (std::size_t i = RootLength(folder); i < folder.size(); ++i)
        if (IsSeparatorAt(folder, i) && !IsSeparatorAt(folder, i - 1))
            (void)MakeFolder(folder.substr(0, i));
    if (MakeFolder(folder))
        return true;
    win32::RememberLastError();
    return false;
}

bool CreateEmptyFileExclusive(std::string_view path)
{
    const HANDLE file = CreateFileW(win32::WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    return CloseHandle(file) != 0;
}

bool RestrictToOwner(std::string_view)
{
    return true;
}

bool RemoveEmptyFolder(std::string_view path)
{
    if (IsFaultInjected(FaultPoint::Remove, path))
        return false;
    if (RemoveDirectoryW(win32::WidePath(WithoutTrailingSeparators(path)).c_str()))
        return true;
    win32::RememberLastError();
    return false;
}

bool DeleteRegularFile(std::string_view path)
{
    if (IsFaultInjected(FaultPoint::Remove, path))
        return false;
    const std::string file(path);
    const DWORD attributes = AttributesOf(file);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        win32::RememberLastError(attributes == INVALID_FILE_ATTRIBUTES ? GetLastError()
                                                                       : ERROR_DIRECTORY);
        return false;
    }
    if (DeleteFileW(win32::WidePath(file).c_str()))
        return true;
    win32::RememberLastError();
    return false;
}

bool MoveEntry(std::string_view from, std::string_view to)
{
    if (IsFaultInjected(FaultPoint::Rename, from))
        return false;
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the target exists.
    if (MoveFileExW(win32::WidePath(WithoutTrailingSeparators(from)).c_str(),
                    win32::WidePath(WithoutTrailingSeparators(to)).c_str(), 0))
        return true;
    win32::RememberLastError();
    return false;
}

bool CopyToNewFile(std::string_view from, std::string_view to)
{
    // A second name for the same entry costs nothing; file systems without hard links
    // get a copy. An entry at `to` is never replaced; a symbolic link is copied as a
    // link, never followed.
    const std::wstring source = win32::WidePath(from), target = win32::WidePath(to);
    if (CreateHardLinkW(target.c_str(), source.c_str(), nullptr))
        return true;
    if (CopyFileExW(source.c_str(), target.c_str(), nullptr, nullptr, nullptr,
                    COPY_FILE_FAIL_IF_EXISTS | COPY_FILE_COPY_SYMLINK))
        return true;
    win32::RememberLastError();
    return false;
}

} // namespace quorvex::platform
