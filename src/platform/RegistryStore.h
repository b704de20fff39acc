#pragma once
// Where the keys of the registry branch are kept: the real registry on Windows
// (win32/RegistryStore.cpp), one exported-registry text file per key on Linux
// (posix/RegistryFiles.cpp). RegistryKey holds a key's values in memory and uses
// these to read and write them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryText.h"

namespace quorvex::platform {

struct StoredRegistryKey
{
    std::vector<RegistryValue> values;
    // The key file is damaged and must be kept aside before a rewrite (text files
    // only: see Registry.h).
    bool damaged = false;
};

// The part after "Software\Vorle\" of a key path (a leading "\" is allowed; letter
// case of "Software\Vorle" does not matter), or nullopt for a key outside the branch
// or with an empty, "." or ".." component or a '/'.
std::optional<std::string_view> VorleBranchRest(std::string_view keyPath);

// "HKEY_CURRENT_USER\<key path>": the key's full name.
std::string FullKeyName(std::string_view keyPath);

// The values of an existing key; nullopt when it does not exist or cannot be read.
std::optional<StoredRegistryKey> LoadRegistryKey(std::string_view keyPath);
// Whether a key that LoadRegistryKey did not return may be created: false for a key
// outside the branch and for one that exists but cannot be read.
bool CanCreateRegistryKey(std::string_view keyPath);
// Writes every value of the key, creating it when needed. A damaged old store, or
// one whose rewrite would read back other values, is kept aside first (and `damaged`
// reset); `values` become what the store reads back. False when nothing was written
// (LastFailureText() says why).
bool StoreRegistryKey(std::string_view keyPath, std::vector<RegistryValue>& values, bool& damaged);

} // namespace quorvex::platform
