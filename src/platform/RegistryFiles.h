#pragma once
// Keys of the registry branch kept as files: the key `Software\Vorle\<rest>` is the
// file `<config home>/Vorle/<rest>.reg` ("\" in <rest> becoming the separator), an
// exported registry file (RegistryText.h) rewritten atomically. Linux keeps every key
// so, in $QUORVEX_CONFIG_HOME, else $XDG_CONFIG_HOME, else ~/.config; Windows only when
// $QUORVEX_CONFIG_HOME is set (settings carried in a folder, and the tests), else the
// registry itself.

#include "platform/RegistryStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

// The folder holding the key files ("<config home>/Vorle/").
std::string RegistryFolder();
// The file of a key path, or nullopt for a key outside the branch (VorleBranchRest).
std::optional<std::string> RegistryKeyFile(std::string_view keyPath);

// The store functions of RegistryStore.h on the key files.
namespace keyfiles {
std::optional<StoredRegistryKey> Load(std::string_view keyPath);
bool CanCreate(std::string_view keyPath);
bool Store(std::string_view keyPath, std::vector<RegistryValue>& values, bool& damaged);
void RemoveLeftovers(std::string_view keyPath);
} // namespace keyfiles

} // namespace quorvex::platform
