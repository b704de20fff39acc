#include "app/SingleInstance.h"

#include "platform/FileSystem.h"

namespace quorvex::app {

bool AnotherInstanceRuns(platform::InstanceLock& lock)
{
    return !lock.tryAcquire() && platform::IsExistingFile(lock.path());
}

} // namespace quorvex::app
