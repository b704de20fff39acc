#pragma once
// The text of the size column: exact bytes with thousands separators, or a short
// form in GB, MB, KB or B.

#include <cstdint>
#include <string>

namespace quorvex {

// "#,##0" followed by "B": 1234567 -> "1,234,567B".
std::string FormatSizeBytes(std::uint64_t bytes);

// The largest unit that fits, with at most two decimals and no trailing zeros:
// 1536 -> "1.5KB", 2048 -> "2KB", 1000 -> "1000B", 1073741824 -> "1GB".
std::string FormatSizeShort(std::uint64_t bytes);

// The cell text: FormatSizeBytes when `inBytes` ("サイズは、バイト単位で表示する"),
// else FormatSizeShort.
std::string SizeCellText(std::uint64_t bytes, bool inBytes);

} // namespace quorvex
