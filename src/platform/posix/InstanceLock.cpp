#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "platform/UserFolders.h"

namespace quorvex::platform {

std::string InstanceLock::DefaultPath(const std::string& name)
{
    const std::string runtime = RuntimeFolder();
    if (!runtime.empty())
        return runtime + name + ".lock";
    return "/tmp/" + name + "-" + EffectiveUserId() + ".lock";
}

InstanceLock::InstanceLock(std::string path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock()
{
    if (fd_ >= 0)
        ::close(fd_); // closing the only descriptor releases the lock
}

bool InstanceLock::tryAcquire()
{
    if (fd_ >= 0)
        return true;
    // O_CLOEXEC: programs started later (file openers) must not inherit the lock.
    // O_NOFOLLOW: the /tmp fallback must not follow a link planted by someone else.
    const int fd =
        ::open(path_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    if (fd < 0)
        return false;
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

} // namespace quorvex::platform
