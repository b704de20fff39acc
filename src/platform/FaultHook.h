#pragma once
// The test seam of FileSystem.h: implementation files ask it before an operation
// that a test may want to see refused.

#include <string_view>

#include "platform/FileSystem.h"

namespace quorvex::platform {

// True when the installed hook (if any) wants the operation on `path` to fail; errno
// and LastFailureText() then hold the error the system would give there.
bool IsFaultInjected(FaultPoint point, std::string_view path);
// Whether a hook is installed at all (lets hot paths skip work such as keeping paths).
bool IsFaultHookInstalled();

} // namespace quorvex::platform
