// The single-instance lock on Windows: a named mutex. The kernel drops it when the
// last handle closes, also when the process ends by a crash.

#include "platform/InstanceLock.h"

#include <windows.h>

#include <utility>

#include "platform/win32/WideText.h"

namespace quorvex::platform {

namespace {

// A kernel handle fits in 32 bits (HandleToLong), so it is kept in the descriptor
// field that the lock has on every system.
HANDLE MutexOf(int fd)
{
    return LongToHandle(fd);
}

} // namespace

std::string InstanceLock::DefaultPath(const std::string& name)
{
    return name; // the mutex is named by the program's title
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock()
{
    release();
}

void InstanceLock::release()
{
    if (fd_ >= 0)
        CloseHandle(MutexOf(fd_));
    fd_ = -1;
}

bool InstanceLock::tryAcquire()
{
    if (isHeld())
        return true;
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, win32::Widen(path_).c_str());
    if (mutex == nullptr)
        return false;
    heldByAnother_ = GetLastError() == ERROR_ALREADY_EXISTS;
    if (heldByAnother_) {
        CloseHandle(mutex);
        return false;
    }
    fd_ = HandleToLong(mutex);
    return true;
}

} // namespace quorvex::platform
