#pragma once
// The checks that both systems' replacements make right before the swap.

#include <string>

#include "platform/FileReplace.h"

namespace quorvex::platform {

// Whether the entry at `path` is still `expected`, untouched: a writer that put the
// time back after writing is seen too.
bool StillExpected(const std::string& path, const FileIdentity& expected);

// Whether the replacement made at `temp` may take the place of `path`: the kept file
// is still the one compared, untouched but for the new link a hard link gives it
// (and a hard link leads to it), and the path still holds the expected file,
// untouched. `expected` and `keptExpected` are taken before the comparison.
bool ReadyToSwap(const std::string& path, const FileIdentity& expected, const std::string& kept,
                 const FileIdentity& keptExpected, ReplaceKind kind, const std::string& temp);

} // namespace quorvex::platform
