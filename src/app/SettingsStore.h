#pragma once
// The program's own settings key (Software\Vorle\<title>) and the mask sets of the
// sibling product (Software\Vorle\Caskwell\MaskData, read only), in the registry
// of the platform layer (key files on Linux).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::app {

// The eight values the program writes at close, in this order.
struct Settings
{
    bool kbsize = true;         // sizes in bytes in the duplicate list
    bool sys = false;           // include files with the system attribute
    bool hid = false;           // include files with the hidden attribute
    std::uint32_t color = 0;    // COLORREF of the duplicate list's marked rows
    std::uint32_t color1 = 0;   // COLORREF of comparison rows that are alike
    std::uint32_t color2 = 0;   // COLORREF of comparison rows with a side missing
    std::uint32_t height = 233; // height of the upper history list
    std::uint32_t sikii = 100;  // duplicate threshold in percent
};

// The values present in the key; a missing value (or one of another type) is empty.
struct StoredSettings
{
    std::optional<bool> kbsize, sys, hid;
    std::optional<std::uint32_t> color, color1, color2, height, sikii;
};

// The duplicate threshold's range.
inline constexpr std::uint32_t kMinThreshold = 10;
inline constexpr std::uint32_t kMaxThreshold = 100;
// The upper history list's height: at least the splitter's minimum, at most the
// height of the window's client area.
inline constexpr std::uint32_t kMinListBoxHeight = 60;
inline constexpr std::uint32_t kMaxListBoxHeight = 508;

// The file of the own key.
std::string OwnSettingsFile(std::string_view appTitle);

// Reads the own key; nullopt when it does not exist. Temporary files that an
// interrupted rewrite of it left are removed first (only the running instance reads
// it). An existing key without "updatepath" gets `exeDir` written there, unless its
// file is damaged (a damaged file is replaced only by the complete write at close).
// Values outside their ranges are brought into them: the threshold, the list height,
// colours (COLORREF has no top byte).
std::optional<StoredSettings> ReadOwnSettings(std::string_view appTitle, std::string_view exeDir);

// Writes the eight values in their order, creating the key. False (LastFailureText()
// says why) when the file could not be written; the old one is then intact.
bool WriteOwnSettings(std::string_view appTitle, const Settings& settings);

// Whether the searches use the scan cache ("cache"; on unless turned off), and its
// change, stored at once. False (LastFailureText() says why) when it was not written.
bool ReadCacheUse(std::string_view appTitle);
bool WriteCacheUse(std::string_view appTitle, bool use);

struct MaskSetData
{
    std::optional<bool> exclusion;                  // "MaskExclusionFrg"
    std::optional<std::vector<std::string>> titles; // lines of "MaskTitle"
    std::optional<std::uint32_t> index;             // "Index"
    std::vector<std::string> texts; // the value named by each title; empty when missing
};

// Reads the mask sets; nullopt when their key does not exist.
std::optional<MaskSetData> ReadMaskSetData();

} // namespace quorvex::app
