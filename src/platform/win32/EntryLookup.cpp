// Single-entry lookup on Windows: the attribute word, 64-bit size and last-write
// time as the system reports them, and which file it is (as listings tell it).

#include <windows.h>

#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/FileTimes.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

std::uint64_t SizeOf(DWORD high, DWORD low)
{
    return static_cast<std::uint64_t>(high) << 32 | low;
}

std::optional<WIN32_FILE_ATTRIBUTE_DATA> FileAttributeData(std::string_view path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(win32::WidePath(WithoutTrailingSeparators(path)).c_str(),
                              GetFileExInfoStandard, &data)) {
        win32::RememberLastError();
        return std::nullopt;
    }
    return data;
}

DirEntry Describe(std::string name, DWORD attributes, DWORD sizeHigh, DWORD sizeLow,
                  const FILETIME& lastWrite)
{
    DirEntry entry;
    entry.name = std::move(name);
    entry.attributes = attributes;
    entry.size = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : SizeOf(sizeHigh, sizeLow);
    entry.lastWrite = win32::FromFiletime(lastWrite);
    return entry;
}

// The volume and file index of the entry at `path` (not a link) and its creation time;
// unknown when it cannot be opened even for its attributes or its file system keeps
// no index.
FileId IdOf(std::string_view path, const FILETIME& created)
{
    const win32::FileHandle entry(
        CreateFileW(win32::WidePath(path).c_str(), FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!entry.isOpen() || !GetFileInformationByHandle(entry.get(), &info) ||
        (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0))
        return {};
    const FileTime born = win32::FromFiletime(created);
    return {info.dwVolumeSerialNumber,
            static_cast<std::uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow,
            born.seconds * 1'000'000'000 + born.nanoseconds};
}

} // namespace

std::optional<DirEntry> LookupEntry(std::string_view path)
{
    // The attribute query answers for a drive root too, and never reads '*' or '?'
    // of a name as a pattern, as a find-first lookup would.
    const std::string_view fullPath = WithoutTrailingSeparators(path);
    if (fullPath.empty() || IsFaultInjected(FaultPoint::Lookup, path))
        return std::nullopt;
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> data = FileAttributeData(fullPath);
    if (!data)
        return std::nullopt;
    const std::size_t slash = FindLastSeparator(fullPath);
    const std::string_view name =
        slash == std::string_view::npos ? fullPath : fullPath.substr(slash + 1);
    DirEntry entry = Describe(std::string(name), data->dwFileAttributes, data->nFileSizeHigh,
                              data->nFileSizeLow, data->ftLastWriteTime);
    if (!(data->dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        entry.id = IdOf(fullPath, data->ftCreationTime);
    return entry;
}

} // namespace quorvex::platform
