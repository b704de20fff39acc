#pragma once
// The process umask, for giving created files and write bits the usual limits.

#include <sys/types.h>

namespace quorvex::platform::posix {

// Read from /proc where possible, so that it is not changed even for a moment.
mode_t CurrentUmask();

} // namespace quorvex::platform::posix
