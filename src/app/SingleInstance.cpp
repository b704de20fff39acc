#include "app/SingleInstance.h"

namespace quorvex::app {

bool AnotherInstanceRuns(platform::InstanceLock& lock)
{
    return !lock.tryAcquire() && lock.heldByAnother();
}

} // namespace quorvex::app
