#pragma once
// The folder walk of both searches: depth first, a folder's files before its
// subfolders, both in listing order.

#include <functional>
#include <string>
#include <string_view>

#include "common/Filters.h"
#include "common/RunObserver.h"
#include "platform/FileSystem.h"

namespace quorvex {

// Calls `onFile` for every file below `root` that passes the attribute rule and,
// while masks are on, the mask rule with its first-dot key; `folder` ends in '/'.
// A rewrite's temporary file beside the file it replaces ("<name>.tmp-<suffix>" next
// to "<name>") is another run's work in progress and is left out.
// `onFolder` is called when the walk enters a folder, before its files. Folders
// enter the walk when they pass the attribute rule and were not reached through
// a symbolic link; folders that cannot be listed contribute nothing and are told to
// the observer (cannotRead). The walk
// checks the cancel request before each file and each folder and stops while it
// is set. It keeps its pending folders on a stack of its own, so tree depth is
// bounded by memory only; up to `threads` - 1 helpers (0: one per core) list the
// folders it takes next, which changes nothing it reports.
void WalkSearchTree(
    std::string_view root, const FilterSettings& filters, RunObserver& observer, unsigned threads,
    const std::function<void(const std::string& folder)>& onFolder,
    const std::function<void(const std::string& folder, const platform::DirEntry& entry)>& onFile);

} // namespace quorvex
