#pragma once
// Text files of the program (histories, trash list, mask texts): UTF-8, with a
// CP932 (Shift_JIS) fallback when the bytes are not valid UTF-8, lines split at
// CR LF, CR or LF, and atomic rewrites.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

bool IsValidUtf8(std::string_view bytes);
// Returns the text as UTF-8: unchanged when valid, otherwise decoded from CP932.
std::string DecodeLegacyText(std::string_view bytes);
// Decodes UTF-16 little-endian bytes (without their byte order mark) to UTF-8.
std::string DecodeUtf16LeText(std::string_view bytes);
// Splits at CR LF, CR or LF. A final line break does not make an extra empty line.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole file's bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(std::string_view path);
// Reads a text file: decoded (DecodeLegacyText) and split into lines.
std::optional<std::vector<std::string>> ReadTextLines(std::string_view path);

// Writes the bytes to a temporary file beside `path`, fsyncs and renames it over
// `path`. On any failure the old file stays untouched and false is returned.
bool WriteFileAtomically(std::string_view path, std::string_view bytes);
// Joins the lines with CR LF (each line followed by CR LF) and writes atomically.
bool WriteTextLinesAtomically(std::string_view path, const std::vector<std::string>& lines);

} // namespace quorvex::platform
