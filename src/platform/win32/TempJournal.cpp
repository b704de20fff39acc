// Journals of temporary files on Windows: a file opened for appending, held under an
// exclusive byte-range lock while its run lives.

#include "platform/TempJournal.h"

#include <windows.h>

#include "platform/FileSystem.h"
#include "platform/JournalFiles.h"
#include "platform/PathText.h"
#include "platform/TextFile.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool LockWithoutWaiting(HANDLE file)
{
    OVERLAPPED whole{};
    return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                      MAXDWORD, &whole) != 0;
}

HANDLE HandleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool TempJournal::open()
{
    if (handle_ != -1)
        return true;
    if (!CreateFolderWithParents(folder_))
        return false;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path_ = folder_ + NewJournalName();
        const HANDLE file =
            CreateFileW(win32::WidePath(path_).c_str(), FILE_APPEND_DATA | GENERIC_READ, kShareAll,
                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            win32::RememberLastError();
            return false;
        }
        if (LockWithoutWaiting(file)) {
            handle_ = reinterpret_cast<std::intptr_t>(file);
            return true;
        }
        CloseHandle(file);
    }
    win32::RememberLastError(ERROR_FILE_EXISTS);
    return false;
}

void TempJournal::close()
{
    if (handle_ != -1)
        CloseHandle(HandleOf(handle_));
    handle_ = -1;
}

bool TempJournal::append(std::string_view record)
{
    if (win32::WriteAll(HandleOf(handle_), record))
        return true;
    win32::RememberLastError();
    return false;
}

bool ReadUnheldJournal(const std::string& path, std::string& bytes)
{
    const win32::FileHandle file(CreateFileW(win32::WidePath(path).c_str(),
                                             GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen() || !LockWithoutWaiting(file.get()))
        return false;
    char buffer[65536];
    DWORD got = 0;
    bytes.clear();
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    return true;
}

} // namespace quorvex::platform
