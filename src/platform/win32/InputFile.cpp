// Files opened for reading with CreateFileW. The handle is wrapped in a C runtime
// descriptor (_open_osfhandle), the form the class keeps on every system.

#include <io.h>
#include <windows.h>

#include <fcntl.h>

#include "platform/FailureReason.h"
#include "platform/FaultHook.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/win32/LastError.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

HANDLE HandleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

// ReadFile takes a 32-bit length; one call reads less than 2 GiB.
DWORD ChunkLength(std::size_t length)
{
    return length > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(length);
}

} // namespace

bool InputFile::open(std::string_view path)
{
    close();
    if (IsFaultInjected(FaultPoint::Open, path))
        return false;
    // Sharing every access keeps the file usable by others while it is compared.
    const HANDLE file = CreateFileW(win32::WidePath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        win32::RememberLastError();
        return false;
    }
    // Only files on a disk count: a pipe or device is a file that cannot be opened.
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        CloseHandle(file);
        RememberFailure("not a regular file");
        return false;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
        RememberFailure("too many open files");
        return false;
    }
    adopt(fd, static_cast<std::uint64_t>(size.QuadPart), path);
    return true;
}

OpenFolder::~OpenFolder()
{
    close();
}

// Windows opens files by path; the folder keeps its path only.
bool OpenFolder::open(std::string_view path)
{
    close();
    if (!IsExistingFolder(path))
        return false;
    path_ = WithTrailingSeparator(path);
    return true;
}

void OpenFolder::close()
{
    path_.clear();
}

bool InputFile::open(const OpenFolder& folder, std::string_view name)
{
    return open(folder.path() + std::string(name));
}

void InputFile::close()
{
    if (fd_ >= 0)
        _close(fd_); // closes the handle as well
    forget();
}

std::int64_t InputFile::read(void* buffer, std::size_t length)
{
    if (fd_ < 0 || IsFaultInjected(FaultPoint::Read, faultPath_))
        return -1;
    DWORD got = 0;
    if (!ReadFile(HandleOf(fd_), buffer, ChunkLength(lengthWithin(length, position_)), &got,
                  nullptr)) {
        win32::RememberLastError();
        return -1;
    }
    position_ += got;
    return got;
}

std::int64_t InputFile::readAt(void* buffer, std::size_t length, std::uint64_t offset)
{
    if (fd_ < 0 || IsFaultInjected(FaultPoint::Read, faultPath_))
        return -1;
    // A read at an offset moves the position of a synchronous handle; it is put back.
    const HANDLE file = HandleOf(fd_);
    LARGE_INTEGER position;
    if (!SetFilePointerEx(file, LARGE_INTEGER{}, &position, FILE_CURRENT))
        return -1;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD got = 0;
    const bool ok = ReadFile(file, buffer, ChunkLength(lengthWithin(length, offset)), &got, &at) ||
                    GetLastError() == ERROR_HANDLE_EOF;
    if (!ok)
        win32::RememberLastError();
    SetFilePointerEx(file, position, nullptr, FILE_BEGIN);
    return ok ? static_cast<std::int64_t>(got) : -1;
}

} // namespace quorvex::platform
