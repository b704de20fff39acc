#pragma once
// The names of the temporary files of atomic rewrites: "<target>.tmp-<suffix>" beside
// the target, where the suffix is the system's unique part.

#include <string>
#include <string_view>

namespace quorvex::platform {

inline constexpr std::string_view kTempInfix = ".tmp-";

// Whether `suffix` is one that this system's rewrites give their temporary files
// (posix/AtomicWrite.cpp, win32/AtomicWrite.cpp).
bool IsTempSuffix(std::string_view suffix);

// Removes the files beside `target` named as temporary files of its rewrites.
void RemoveTempFilesBeside(const std::string& target);

} // namespace quorvex::platform
