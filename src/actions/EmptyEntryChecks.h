#pragma once
// The questions about a single entry that the delete flow of the empty-item list must
// answer by the entry's own type, not by its attribute word: a system attribute may
// come from a FIFO, a device or from the DOS attribute of a file.

#include <string_view>

namespace quorvex {

// A regular file (not a link) of size 0.
bool IsEmptyRegularFile(std::string_view path);

// Deletes the entry only when it is, at this moment, a regular file (not a link) of
// size 0. There is no atomic "unlink if empty"; the check runs right before the
// unlink, which leaves the smallest window the system allows.
bool DeleteFileIfEmpty(std::string_view path);

} // namespace quorvex
