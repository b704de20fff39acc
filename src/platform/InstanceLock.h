#pragma once
// The single-instance lock: an exclusive lock on a file, held while the object lives
// and released by the kernel when the process ends, also when it crashes.

#include <string>

namespace quorvex::platform {

class InstanceLock
{
public:
    // $XDG_RUNTIME_DIR/<name>.lock, else /tmp/<name>-<uid>.lock.
    static std::string DefaultPath(const std::string& name = "Quorvex");

    explicit InstanceLock(std::string path = DefaultPath());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this object holds the lock now; false when another process holds it
    // (or the lock file cannot be opened).
    bool tryAcquire();
    bool isHeld() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

} // namespace quorvex::platform
