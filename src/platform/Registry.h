#pragma once
// Keys of the current user's registry branch `Software\Vorle\...`: on Windows the
// real registry under HKEY_CURRENT_USER, on Linux (and on Windows with
// %QUORVEX_CONFIG_HOME% set) one text file per key (RegistryFiles.h).
//
//   if (auto key = RegistryKey::open(VorleKeyPath("Caskwell\\MaskData"))) {
//       if (auto title = key->readString("MaskTitle")) ...
//   }
//   RegistryKey key = RegistryKey::openOrCreate(VorleKeyPath("Quorvex")).value();
//   key.writeBool("kbsize", true);   // the file is rewritten when the key closes
//
// Reading never changes the store. Writing stores every value the key held, unknown
// ones included, each with the bytes it had. A damaged key file (one that does not
// parse to its end, is cut off, holds UTF-16 that is no text, or is larger than
// kStateFileLimit) reads as far as it parses; before it is replaced, its old bytes
// are kept beside it (KeepDamagedCopy, TextFile.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryText.h"

namespace quorvex::platform {

// "Software\Vorle\" + rest.
std::string VorleKeyPath(std::string_view rest);

// Where a key is kept, as a user would look for it: its file on Linux, the key under
// HKEY_CURRENT_USER on Windows.
std::string RegistryKeyLocation(std::string_view keyPath);
// Removes what interrupted rewrites of the key left (on Linux the temporary files
// beside its file). Only the one running instance may call it.
void RemoveRegistryKeyLeftovers(std::string_view keyPath);

class RegistryKey
{
public:
    // Opens an existing key: nullopt when it does not exist or cannot be read.
    static std::optional<RegistryKey> open(std::string_view keyPath);
    // Opens the key, starting with no values when it does not exist yet. nullopt
    // only for a key path outside the branch or a key that exists but cannot be
    // read (it is not overwritten then).
    static std::optional<RegistryKey> openOrCreate(std::string_view keyPath);

    ~RegistryKey(); // flush()
    RegistryKey(RegistryKey&& other) noexcept;
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool hasValue(std::string_view name) const;
    // Typed reads: nullopt when the value is missing or of another type.
    std::optional<std::string> readString(std::string_view name) const;
    std::optional<std::uint32_t> readDword(std::string_view name) const;
    std::optional<bool> readBool(std::string_view name) const; // dword != 0

    void writeString(std::string_view name, std::string_view text);
    void writeDword(std::string_view name, std::uint32_t value);
    void writeBool(std::string_view name, bool value); // dword 1 or 0

    // Stores the key (creating it) when something was written since the last flush.
    // Returns false when that failed (LastFailureText() says why); the stored key is
    // then intact.
    bool flush();

    // True when the key file is damaged (until a rewrite replaces it).
    bool isDamaged() const { return damaged_; }

private:
    explicit RegistryKey(std::string keyPath) noexcept;
    const RegistryValue* find(std::string_view name) const;
    RegistryValue& slot(std::string_view name);

    std::string keyPath_;
    std::vector<RegistryValue> values_;
    bool damaged_ = false;
    bool modified_ = false;
};

} // namespace quorvex::platform
