// Atomic rewrites on Windows: a temporary file beside the target, written, flushed
// to the disk and moved over the target in one step (MoveFileExW replacing it). The
// move replaces the entry at the path itself: a symbolic link there is replaced,
// never written through. A read-only file is not replaced.

#include <windows.h>

#include <atomic>
#include <string>

#include "platform/FaultHook.h"
#include "platform/TempFileNames.h"
#include "platform/TextFile.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

using win32::FileHandle;
using win32::WriteAll;

// A name beside the target that no other writer (thread or process) picks.
std::wstring TemporaryNameFor(const std::string& target)
{
    return win32::WidePath(target + std::string(kTempInfix) + NewTempSuffix());
}

} // namespace

std::string NewTempSuffix()
{
    static std::atomic<unsigned> counter{0};
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter.fetch_add(1));
}

// "<process>-<counter>" of NewTempSuffix.
bool IsTempSuffix(std::string_view suffix)
{
    const std::size_t dash = suffix.find('-');
    const auto isNumber = [](std::string_view text) {
        return !text.empty() && text.size() <= 10 &&
               text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dash != std::string_view::npos && isNumber(suffix.substr(0, dash)) &&
           isNumber(suffix.substr(dash + 1));
}

bool WriteFileAtomically(std::string_view path, std::string_view bytes)
{
    if (path.empty()) {
        win32::RememberLastError(ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (IsFaultInjected(FaultPoint::Write, path))
        return false;
    const std::string target(path);
    const DWORD existing = GetFileAttributesW(win32::WidePath(target).c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0 &&
        (existing & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0) {
        win32::RememberLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const std::wstring temporary = TemporaryNameFor(target);
    FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.isOpen()) {
        win32::RememberLastError();
        return false;
    }
    bool ok = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    ok = file.close() && ok;
    if (ok && IsFaultInjected(FaultPoint::Rename, target)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    ok = ok && MoveFileExW(temporary.c_str(), win32::WidePath(target).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        win32::RememberLastError();
        DeleteFileW(temporary.c_str());
    }
    return ok;
}

void RemoveLeftoverTempFiles(std::string_view path)
{
    RemoveTempFilesBeside(std::string(path));
}

} // namespace quorvex::platform
