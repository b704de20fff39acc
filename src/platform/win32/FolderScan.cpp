// A folder's entries on Windows: read in batches from a handle of the folder
// (GetFileInformationByHandleEx, FileIdBothDirectoryInfo), which describe every entry
// as they list it, with its file index, so examining one costs nothing more and the
// scan cache knows each file without opening it. Reparse points (links) are entries
// of their own kind and are never entered.

#include "platform/FolderScan.h"

#include <windows.h>

#include <memory>
#include <string>

#include "platform/FaultHook.h"
#include "platform/PathText.h"
#include "platform/win32/FileTimes.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

bool IsDotOrDotDot(std::wstring_view name)
{
    return name == L"." || name == L"..";
}

FILETIME AsFiletime(const LARGE_INTEGER& time)
{
    return FILETIME{time.LowPart, static_cast<DWORD>(time.HighPart)};
}

// Entries a batch holds: enough for a few hundred names a call.
constexpr std::size_t kBatchBytes = 64 * 1024;

} // namespace

struct FolderScan::State
{
    HANDLE folder = INVALID_HANDLE_VALUE;
    WIN32_FILE_ATTRIBUTE_DATA self{};
    std::uint64_t volume = 0; // the serial number of the folder's volume
    // The batch, aligned as its records need.
    std::unique_ptr<std::uint64_t[]> batch = std::make_unique<std::uint64_t[]>(kBatchBytes / 8);
    const FILE_ID_BOTH_DIR_INFO* found = nullptr; // the current entry in the batch
    bool failed = false;
    std::string prefix; // the folder's path with a trailing separator
    std::string name;   // the current entry's name in UTF-8

    void closeFolder()
    {
        if (folder != INVALID_HANDLE_VALUE)
            CloseHandle(folder);
        folder = INVALID_HANDLE_VALUE;
        found = nullptr;
    }

    // Moves `found` to the next record, reading the next batch where this one ends.
    // False at the end of the folder or when reading failed (`failed` then).
    bool advance()
    {
        if (found && found->NextEntryOffset != 0) {
            found = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(
                reinterpret_cast<const char*>(found) + found->NextEntryOffset);
            return true;
        }
        found = nullptr;
        if (folder == INVALID_HANDLE_VALUE || failed)
            return false;
        if (!GetFileInformationByHandleEx(folder, FileIdBothDirectoryInfo, batch.get(),
                                          kBatchBytes)) {
            const DWORD error = GetLastError();
            // A listing that breaks off is reported, never taken for its end; an empty
            // drive root has no entry at all.
            if (error != ERROR_NO_MORE_FILES && error != ERROR_FILE_NOT_FOUND) {
                win32::RememberLastError(error);
                failed = true;
            }
            return false;
        }
        found = reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(batch.get());
        return true;
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
    s.folder = CreateFileW(win32::WidePath(s.prefix).c_str(), FILE_LIST_DIRECTORY,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    BY_HANDLE_FILE_INFORMATION info;
    if (s.folder == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(s.folder, &info)) {
        win32::RememberLastError();
        s.closeFolder();
        return false;
    }
    s.volume = info.dwVolumeSerialNumber;
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
    while (s.advance()) {
        const std::wstring_view name(s.found->FileName, s.found->FileNameLength / sizeof(wchar_t));
        if (IsDotOrDotDot(name))
            continue;
        s.name = win32::Narrow(name);
        if (IsFaultInjected(FaultPoint::ListNext, s.prefix + s.name)) {
            s.failed = true;
            return false;
        }
        return true;
    }
    return false;
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
    const DWORD word = state_->found->FileAttributes;
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
    return (state_->found->FileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FolderScan::isRegularFile() const
{
    return (state_->found->FileAttributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

std::uint64_t FolderScan::size() const
{
    if (isDirectory())
        return 0;
    return static_cast<std::uint64_t>(state_->found->EndOfFile.QuadPart);
}

FileTime FolderScan::lastWrite() const
{
    return win32::FromFiletime(AsFiletime(state_->found->LastWriteTime));
}

// The volume's serial number and the file's index on it; the creation time tells a
// new file from a removed one whose index it took. A link's target is not described,
// nor a file on a file system that keeps no index (FAT reports 0 for all).
FileId FolderScan::fileId() const
{
    const FILE_ID_BOTH_DIR_INFO& found = *state_->found;
    if ((found.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) || found.FileId.QuadPart == 0)
        return {};
    const FileTime born = win32::FromFiletime(AsFiletime(found.CreationTime));
    return {state_->volume, static_cast<std::uint64_t>(found.FileId.QuadPart),
            born.seconds * 1'000'000'000 + born.nanoseconds};
}

std::uint32_t FolderScan::attributes()
{
    return state_->found->FileAttributes;
}

} // namespace quorvex::platform
