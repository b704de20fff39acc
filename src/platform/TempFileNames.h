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

// A new suffix of the system's form, unlikely to be taken (the caller still creates
// the file exclusively and takes another one when it is).
std::string NewTempSuffix();

// A new temporary path beside `path`: "<name>.tmp-<suffix>" in the same folder, the
// name cut (at the start of a character) so that the whole fits the 255 bytes that
// a file name may have.
std::string TempPathBeside(std::string_view path);

// Whether the last component of `path` is named as a temporary file beside another
// file: "<name>.tmp-<suffix>" with a suffix of this system's form.
bool IsTempFilePath(std::string_view path);

// For a file name of the "<name>.tmp-<suffix>" form, "<name>": the file that a rewrite
// in progress (or killed) would replace. Empty for any other name.
std::string_view TempTargetName(std::string_view name);

// Removes the files beside `target` named as temporary files of its rewrites.
void RemoveTempFilesBeside(const std::string& target);

} // namespace quorvex::platform
