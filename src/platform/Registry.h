#pragma once
// The current user's registry branch, kept as one text file per key: the key
// `Software\Vorle\<rest>` is the file `<config home>/Vorle/<rest>.reg` ("\" in <rest>
// becoming "/"), where the config home is $QUORVEX_CONFIG_HOME, else
// $XDG_CONFIG_HOME, else ~/.config.
//
//   if (auto key = RegistryKey::open(VorleKeyPath("Caskwell\\MaskData"))) {
//       if (auto title = key->readString("MaskTitle")) ...
//   }
//   RegistryKey key = RegistryKey::openOrCreate(VorleKeyPath("Quorvex")).value();
//   key.writeBool("kbsize", true);   // the file is rewritten when the key closes
//
// Reading never changes the file. Writing rewrites it atomically with every value
// it held, unknown ones included, each with the bytes it had. A damaged file (one
// that does not parse to its end, is cut off, holds UTF-16 that is no text, or is
// larger than kStateFileLimit) reads as far as it parses; before it is replaced,
// its old bytes are kept beside it (KeepDamagedCopy, TextFile.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryText.h"

namespace quorvex::platform {

// "Software\Vorle\" + rest.
std::string VorleKeyPath(std::string_view rest);

// The folder holding the key files ("<config home>/Vorle/").
std::string RegistryFolder();
// The file of a key path "Software\Vorle\..." (a leading "\" is allowed; letter case
// of "Software\Vorle" does not matter), or nullopt for a key outside that branch or
// with an empty, "." or ".." component.
std::optional<std::string> RegistryKeyFile(std::string_view keyPath);

class RegistryKey
{
public:
    // Opens an existing key: nullopt when its file does not exist or cannot be read.
    static std::optional<RegistryKey> open(std::string_view keyPath);
    // Opens the key, starting with no values when its file does not exist yet.
    // nullopt only for a key path outside the branch or a file that exists but
    // cannot be read (it is not overwritten then).
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

    // Rewrites the file (creating its folder) when something was written since the
    // last flush. Returns false when the rewrite failed (LastFailureText() says why);
    // the old file is then intact.
    bool flush();

    const std::string& filePath() const { return filePath_; }
    // True when the file is damaged (until a rewrite replaces it).
    bool isDamaged() const { return damaged_; }

private:
    RegistryKey(std::string filePath, std::string keyName) noexcept;
    const RegistryValue* find(std::string_view name) const;
    RegistryValue& slot(std::string_view name);

    std::string filePath_;
    std::string keyName_; // the section name, "HKEY_CURRENT_USER\Software\Vorle\..."
    std::vector<RegistryValue> values_;
    bool damaged_ = false;
    bool modified_ = false;
};

} // namespace quorvex::platform
