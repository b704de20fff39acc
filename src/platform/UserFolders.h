#pragma once
// The user's standard folders and name. Every folder is returned with a trailing '/'.

#include <string>

namespace quorvex::platform {

// $HOME, else the home folder of the effective user.
std::string HomeFolder();
// $QUORVEX_CONFIG_HOME, else $XDG_CONFIG_HOME, else ~/.config/.
std::string ConfigHomeFolder();
// $XDG_DATA_HOME, else ~/.local/share/.
std::string DataHomeFolder();
// $XDG_RUNTIME_DIR, or empty when it is not set.
std::string RuntimeFolder();
// The name of the effective user (the uid in decimal when it has no name).
std::string LogonUserName();
// The effective user id in decimal.
std::string EffectiveUserId();

} // namespace quorvex::platform
