#pragma once
// The user's standard folders and name. Every folder is returned with a trailing
// separator.

#include <string>

namespace quorvex::platform {

// An environment variable's value as UTF-8; empty when it is not set.
std::string EnvironmentText(const char* name);

// $HOME, else the home folder of the effective user; on Windows %USERPROFILE%.
std::string HomeFolder();
// $XDG_DATA_HOME, else ~/.local/share/; on Windows %LOCALAPPDATA%.
std::string DataHomeFolder();
// $XDG_CACHE_HOME, else ~/.cache/; on Windows %LOCALAPPDATA%.
std::string CacheHomeFolder();
// The name of the logged-on (on Linux: effective) user; on Linux the uid in decimal
// when it has no name.
std::string LogonUserName();

// $QUORVEX_CONFIG_HOME (a relative folder taken from the current folder), else
// $XDG_CONFIG_HOME, else ~/.config/; on Windows %QUORVEX_CONFIG_HOME% alone, empty
// when it is not set (the registry holds the settings then).
std::string ConfigHomeFolder();

#ifndef _WIN32
// $XDG_RUNTIME_DIR, or empty when it is not set.
std::string RuntimeFolder();
// The effective user id in decimal.
std::string EffectiveUserId();
#endif

} // namespace quorvex::platform
