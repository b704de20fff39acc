#pragma once
// Which directory entries take part in a walk: the attribute rule (hidden and
// system options), the extension-mask rule, and the attribute letters.
//
// The engines hold a reference to one FilterSettings and read it at every test, so
// a change the user makes while a run is in progress (the desktop program updates
// the struct from its check boxes) applies to the entries tested after it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

struct FilterSettings
{
    bool includeHidden = false;           // HidenOkChkBox "隠し属性のファイル"
    bool includeSystem = false;           // SystemOkChkBox "システム属性のファイル"
    bool useMasks = false;                // CheckBox1 "マスクを使用する。 "
    bool exclusion = false;               // ExclusionChkBox "指定拡張子は除外 "
    std::vector<std::string> activeMasks; // ActiveMasks
};

// Hidden entries fail unless included; otherwise system entries fail unless included.
bool PassesAttributeFilter(std::uint32_t attributes, const FilterSettings& settings);

enum class ExtensionRule
{
    LastDot,  // comparison walks: "report.final.TXT" -> "*.TXT"
    FirstDot, // duplicate search and CountMaskedFiles: "backup.tar.gz" -> "*.tar.gz"
};
std::string ExtensionKey(std::string_view name, ExtensionRule rule);

// The mask rule for an extension key (callers consult it only while useMasks holds).
bool PassesMaskFilter(std::string_view key, const FilterSettings& settings);

// Attribute letters A, D, H, R, N, S, T joined by "/".
std::string FormatAttributeText(std::uint32_t attributes);

// What selecting mask set `index` with this title does to the exclusion switch:
// the first set unchecks it; otherwise a title with "除外" checks it, else one with
// "コピー" unchecks it, else it stays as it is (nullopt).
std::optional<bool> ExclusionForMaskTitle(int index, std::string_view title);

} // namespace quorvex
