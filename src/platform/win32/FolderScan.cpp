// A folder's entries on Windows: FindFirstFileExW / FindNextFileW, which describe
// every entry as they list it, so examining one costs nothing more. Reparse points
// (links) are entries of their own kind and are never entered.

#include "platform/FolderScan.h"

#include <windows.h>

#include <string>

#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/win32/FileTimes.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

bool IsDotOrDotDot(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

} // namespace

struct FolderScan::State
{
    HANDLE find = INVALID_HANDLE_VALUE;
    WIN32_FILE_ATTRIBUTE_DATA self{};
    WIN32_FIND_DATAW found{};
    bool pending = false; // `found` holds an entry next() has not handed out yet
    bool failed = false;
    std::string prefix; // the folder's path with a trailing separator
    std::string name;   // the current entry's name in UTF-8

    void closeFolder()
    {
        if (find != INVALID_HANDLE_VALUE)
            FindClose(find);
        find = INVALID_HANDLE_VALUE;
        pending = false;
    }
};

FolderScan::FolderScan() : state_(std::make_unique<State>()) {}

FolderScan::~FolderScan()
{
    state_->closeFolder();
}

bool FolderScan::open(std::string_view path)
{
    State& s = *state_;
    s.closeFolder();
    s.failed = false;
    if (IsFaultInjected(FaultPoint::List, path))
        return false;
    // The folder's own word is asked directly: a drive root lists no "." entry.
    if (!GetFileAttributesExW(win32::WidePath(WithoutTrailingSeparators(path)).c_str(),
                              GetFileExInfoStandard, &s.self)) {
        win32::RememberLastError();
        return false;
    }
    if (!(s.self.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        win32::RememberLastError(ERROR_DIRECTORY);
        return false;
    }
    s.prefix = WithTrailingSeparator(path);
    const std::wstring pattern = win32::WidePath(s.prefix + "*");
    s.find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &s.found, FindExSearchNameMatch,
                              nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (s.find == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return true; // an empty drive root has no entry at all
        win32::RememberLastError();
        return false;
    }
    s.pending = true;
    return true;
}

bool FolderScan::openChild(const FolderScan&, std::string_view, std::string_view path)
{
    return open(path);
}

void FolderScan::release()
{
    state_->closeFolder();
}

std::optional<DirEntry> FolderScan::folderEntry() const
{
    DirEntry entry;
    entry.name = ".";
    entry.attributes = state_->self.dwFileAttributes;
    entry.lastWrite = win32::FromFiletime(state_->self.ftLastWriteTime);
    return entry;
}

bool FolderScan::next()
{
    State& s = *state_;
    for (;;) {
        if (!s.pending) {
            if (s.find == INVALID_HANDLE_VALUE || s.failed)
                return false;
            if (!FindNextFileW(s.find, &s.found)) {
                // A listing that breaks off is reported, never taken for its end.
                if (GetLastError() != ERROR_NO_MORE_FILES) {
                    win32::RememberLastError();
                    s.failed = true;
                }
                return false;
            }
        }
        s.pending = false;
        if (IsDotOrDotDot(s.found.cFileName))
            continue;
        s.name = win32::Narrow(s.found.cFileName);
        if (IsFaultInjected(FaultPoint::ListNext, s.prefix + s.name)) {
            s.failed = true;
            return false;
        }
        return true;
    }
}

bool FolderScan::failed() const
{
    return state_->failed;
}

std::string_view FolderScan::name() const
{
    return state_->name;
}

EntryKind FolderScan::kind() const
{
    const DWORD word = state_->found.dwFileAttributes;
    if (word & FILE_ATTRIBUTE_REPARSE_POINT)
        return EntryKind::Link;
    return (word & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::Folder : EntryKind::File;
}

bool FolderScan::examine()
{
    return true; // the listing described the entry already
}

bool FolderScan::isDirectory() const
{
    return (state_->found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FolderScan::isRegularFile() const
{
    return (state_->found.dwFileAttributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

std::uint64_t FolderScan::size() const
{
    if (isDirectory())
        return 0;
    return static_cast<std::uint64_t>(state_->found.nFileSizeHigh) << 32 |
           state_->found.nFileSizeLow;
}

FileTime FolderScan::lastWrite() const
{
    return win32::FromFiletime(state_->found.ftLastWriteTime);
}

// A listing does not carry the file index; opening every file for it would cost
// more than the reads a cache saves on small files.
FileId FolderScan::fileId() const
{
    return {};
}

std::uint32_t FolderScan::attributes()
{
    return state_->found.dwFileAttributes;
}

} // namespace quorvex::platform
