#pragma once
// The registry branch on Linux: the key `Software\Vorle\<rest>` is the file
// `<config home>/Vorle/<rest>.reg` ("\" in <rest> becoming "/"), where the config
// home is $QUORVEX_CONFIG_HOME, else $XDG_CONFIG_HOME, else ~/.config. The file is an
// exported registry file (RegistryText.h) and is rewritten atomically.

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform {

// The folder holding the key files ("<config home>/Vorle/").
std::string RegistryFolder();
// The file of a key path, or nullopt for a key outside the branch (VorleBranchRest).
std::optional<std::string> RegistryKeyFile(std::string_view keyPath);

} // namespace quorvex::platform
