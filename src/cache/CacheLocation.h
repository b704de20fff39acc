#pragma once
// Where the scan cache lives: one file per user.

#include <string>

namespace quorvex::cache {

// $QUORVEX_CACHE when set; else "quorvex/cache.sqlite" in the user's cache folder
// ($XDG_CACHE_HOME or ~/.cache), "Quorvex\cache.sqlite" in %LOCALAPPDATA% on Windows.
std::string DefaultCachePath();

// Creates the cache's folder and file where they are missing, both readable by the
// owner alone (the cache holds file identities of the user's folders). False with
// `problem` set when they cannot be made.
bool PrepareCacheFile(const std::string& path, std::string& problem);

} // namespace quorvex::cache
