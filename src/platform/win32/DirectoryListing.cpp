// Listing and single-entry lookup on Windows: FindFirstFileExW / FindNextFileW over
// the folder, the attribute word, 64-bit size and last-write time as the system
// reports them, sorted by CompareEntryNames like every other listing.

#include <windows.h>

#include <algorithm>

#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/win32/FileTimes.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

class FindHandle
{
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle()
    {
        if (isOpen())
            FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

std::uint64_t SizeOf(DWORD high, DWORD low)
{
    return static_cast<std::uint64_t>(high) << 32 | low;
}

bool IsDotOrDotDot(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
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

} // namespace

bool ListDirectory(std::string_view folder, std::vector<DirEntry>& out)
{
    out.clear();
    if (IsFaultInjected(FaultPoint::List, folder))
        return false;
    // "." and ".." carry the listed folder's own word; a drive root reports neither,
    // so the folder is asked directly.
    const std::optional<WIN32_FILE_ATTRIBUTE_DATA> self = FileAttributeData(folder);
    if (!self)
        return false;
    if (!(self->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        win32::RememberLastError(ERROR_DIRECTORY);
        return false;
    }
    DirEntry dot = Describe(".", self->dwFileAttributes, 0, 0, self->ftLastWriteTime);
    out.push_back(dot);
    dot.name = "..";
    out.push_back(std::move(dot));

    const std::wstring pattern = win32::WidePath(WithTrailingSeparator(folder) + "*");
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find.isOpen()) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return true; // an empty drive root has no entry at all
        win32::RememberLastError();
        out.clear();
        return false;
    }
    const std::string prefix = WithTrailingSeparator(folder);
    do {
        if (IsDotOrDotDot(found.cFileName))
            continue;
        std::string name = win32::Narrow(found.cFileName);
        // A listing that breaks off is no listing: a part of it would show the
        // folder with fewer entries than it has (or as empty).
        if (IsFaultInjected(FaultPoint::ListNext, prefix + name)) {
            out.clear();
            return false;
        }
        out.push_back(Describe(std::move(name), found.dwFileAttributes, found.nFileSizeHigh,
                               found.nFileSizeLow, found.ftLastWriteTime));
    } while (FindNextFileW(find.get(), &found));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
        win32::RememberLastError();
        out.clear();
        return false;
    }
    std::sort(out.begin() + 2, out.end(), [](const DirEntry& a, const DirEntry& b) {
        return CompareEntryNames(a.name, b.name) < 0;
    });
    return true;
}

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
    return Describe(std::string(name), data->dwFileAttributes, data->nFileSizeHigh,
                    data->nFileSizeLow, data->ftLastWriteTime);
}

} // namespace quorvex::platform
