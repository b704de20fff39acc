#pragma once
// Copying a file's bytes into a new file on POSIX.

#include <sys/types.h>

#include <string>

namespace quorvex::platform::posix {

// Creates `to` (it must not exist) with the permission bits `mode` and the bytes of
// the regular file `from`, synced to the disk. On failure nothing is left at `to`
// and LastFailureText() says why. Each block asks the fault seam first (FaultPoint::Write
// with `to`), so that tests can fill the disk halfway.
bool CopyBytes(const std::string& from, const std::string& to, mode_t mode);

} // namespace quorvex::platform::posix
