#pragma once
// Text files of the program (histories, trash list, mask texts): read as UTF-8, or
// line by line in the Windows code page where a line is not valid UTF-8; written in
// UTF-8 on Linux and in the ANSI code page on Windows; lines split at CR LF, CR or
// LF; atomic rewrites; and the care of state files: a size limit for reading,
// leftovers of interrupted rewrites, copies of damaged files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform {

bool IsValidUtf8(std::string_view bytes);
// One line of a text file as UTF-8: kept as it is when it is valid UTF-8 or names a
// Linux path (begins with '/': the bytes of a name that is not UTF-8, as this program
// writes them there); decoded when it is exactly text of the Windows code page
// (CP932 on Linux, the ANSI code page on Windows: encoding the result again gives the
// same bytes); otherwise kept byte for byte, so that a rewrite of the file loses
// nothing of it.
std::string DecodeLegacyLine(std::string_view line);
// The bytes a text file holds for one line: the same on Linux; on Windows the ANSI
// code page when it holds every character of a UTF-8 line, else the line's own
// bytes, so that no name is lost.
std::string EncodeTextLine(std::string_view line);
// Decodes UTF-16 little-endian bytes (without their byte order mark) to UTF-8; a
// unit that is no character becomes U+FFFD and clears `exact` when given.
std::string DecodeUtf16LeText(std::string_view bytes, bool* exact = nullptr);
// Splits at CR LF, CR or LF. A final line break does not make an extra empty line.
std::vector<std::string> SplitLines(std::string_view text);
// The lines of a text file's bytes, each decoded with DecodeLegacyLine.
std::vector<std::string> SplitDecodedLines(std::string_view bytes);

// Reads a whole file's bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(std::string_view path);
// Reads a text file: split into lines, each decoded with DecodeLegacyLine.
std::optional<std::vector<std::string>> ReadTextLines(std::string_view path);

// How much of a state file of the program (settings, trash list) is read at most: far
// above what the program writes, far below what would cost gigabytes of memory.
inline constexpr std::uint64_t kStateFileLimit = std::uint64_t{16} << 20;

enum class StateFileRead
{
    Missing, // nothing at the path
    Whole,
    InPart // longer than the limit, or there but unreadable: a rewrite must keep a
           // copy of it first (KeepDamagedCopy)
};
struct StateFileText
{
    StateFileRead read = StateFileRead::Missing;
    std::vector<std::string> lines; // decoded with DecodeLegacyLine
};
// Reads up to `limit` bytes of a state file: the lines that lie wholly within it.
StateFileText ReadStateFile(std::string_view path, std::uint64_t limit = kStateFileLimit);
// The first `limit` bytes of a file; `complete` tells whether that was all of it.
std::optional<std::string> ReadFileHead(std::string_view path, std::uint64_t limit, bool& complete);

// Writes the bytes to a temporary file beside `path`, fsyncs and renames it over
// `path`. On any failure the old file stays untouched, no temporary file remains,
// LastFailureText() tells why, and false is returned.
bool WriteFileAtomically(std::string_view path, std::string_view bytes);
// Joins the lines with CR LF (each line followed by CR LF), encodes them
// (EncodeTextLine) and writes atomically.
bool WriteTextLinesAtomically(std::string_view path, const std::vector<std::string>& lines);
// Removes the temporary files that rewrites of `path` left when the process was
// killed between creating and renaming them. Only the one running instance may call
// it (another one could be writing).
void RemoveLeftoverTempFiles(std::string_view path);

// How many copies of damaged files are kept beside each file.
inline constexpr int kKeptDamagedCopies = 5;
// Keeps the present bytes of `path` as "<path>.damaged-N", N one above the highest
// present, before a rewrite that cannot hold all of them; of these copies only the
// kKeptDamagedCopies newest stay. True when the copy was made or there is no file.
bool KeepDamagedCopy(std::string_view path);

} // namespace quorvex::platform
