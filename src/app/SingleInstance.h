#pragma once
// One running program per user: the first start holds the instance lock for its
// whole life; a later start finds it held and ends.

#include "platform/InstanceLock.h"

namespace quorvex::app {

// Tries to take `lock`. True only when another process holds it. When no lock file
// can be made at all (an unusable runtime folder), the program runs unguarded
// rather than refusing to start.
bool AnotherInstanceRuns(platform::InstanceLock& lock);

} // namespace quorvex::app
