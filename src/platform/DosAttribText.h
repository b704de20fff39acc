#pragma once
// The DOS attribute extended attribute as other Windows-compatibility software on
// Linux writes it: the text "0x" followed by hex digits (optionally NUL-terminated).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform {

inline constexpr const char* kDosAttribName = "user.DOSATTRIB";

// The attribute word the text holds, or nullopt when it is not in the "0x" form.
std::optional<std::uint32_t> ParseDosAttribText(std::string_view text);
std::string FormatDosAttribText(std::uint32_t attributes);

} // namespace quorvex::platform
