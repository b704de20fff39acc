#pragma once
// The single-instance lock: an exclusive lock on a file (Linux) or a named mutex
// (Windows), held while the object lives and released by the kernel when the
// process ends, also when it crashes.
//
// On Linux, whatever sits at the lock path never blocks the start and never refuses a first
// start: a link, FIFO, socket, device, empty folder or a file of another owner there
// is replaced by a lock file of our own; what cannot be replaced (a folder with
// content) leaves the lock to a second file beside it. Every start locks both files
// it can, so two starts always meet at one of them.

#include <string>

namespace quorvex::platform {

class InstanceLock
{
public:
    // $XDG_RUNTIME_DIR/<name>.lock, else /tmp/<name>-<uid>.lock; on Windows the
    // mutex name, <name> itself.
    static std::string DefaultPath(const std::string& name = "Quorvex");

    explicit InstanceLock(std::string path = DefaultPath());
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this object holds the lock now. False when another process holds it
    // (heldByAnother()) or when no lock file can be made at all.
    bool tryAcquire();
    bool isHeld() const { return fd_ >= 0 || besideFd_ >= 0; }
    bool heldByAnother() const { return heldByAnother_; }
    const std::string& path() const { return path_; }
    // The second lock file, beside the first.
    std::string besidePath() const { return path_ + ".beside"; }

private:
    void release();

    std::string path_;
    int fd_ = -1;
    int besideFd_ = -1;
    bool heldByAnother_ = false;
};

} // namespace quorvex::platform
