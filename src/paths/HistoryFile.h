#pragma once
// The path history files "data1.txt" .. "data4.txt" in the per-user data folder: one
// path a line, the first line the oldest. Loading takes the lines as they are; saving
// keeps only paths that still exist, at most the 16 newest, and replaces the file
// atomically.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/TextFile.h"

namespace quorvex {

inline constexpr std::size_t kHistoryLimit = 16;
// How much of a history file is read at most: sixteen long paths fit many times, and
// every line read becomes an entry of a drop-down, which costs time at start.
inline constexpr std::uint64_t kHistoryFileLimit = std::uint64_t{256} << 10;

// userDataDir ends with "/"; n is 1 .. 4.
std::string HistoryFilePath(const std::string& userDataDir, int n);

// The lines of history file n (platform::ReadStateFile up to kHistoryFileLimit: a
// missing file has none, an undecodable line keeps its bytes).
platform::StateFileText LoadHistory(const std::string& userDataDir, int n);

// Drops the entries that are neither an existing folder nor an existing file, then
// the oldest until at most kHistoryLimit remain.
std::vector<std::string> PruneHistory(std::vector<std::string> entries);

// Prunes and writes history file n, creating the data folder when needed. When the
// pruning drops lines that read as no path (bytes of no text, control characters:
// not a history this program wrote), the file is kept aside first (KeepDamagedCopy),
// so that nothing it did not understand is lost. On failure
// the old file stays as it was, LastFailureText() says why, and false is returned.
bool SaveHistory(const std::vector<std::string>& entries, const std::string& userDataDir, int n);

} // namespace quorvex
