#pragma once
// Reads a result list back from the text ResultWriter wrote as TSV or JSON: the
// fields of every row, and the values of the extra lines that follow the rows. The
// reader knows the list's field names and extra keys, so that a row whose first field
// looks like an extra key (a file named "#count") is still a row. Any text that the
// writer cannot have written is refused with a message naming the line (TSV) or the
// byte offset (JSON) where the reading stopped; CSV, whose cells a spreadsheet's
// apostrophe makes ambiguous, is refused as such.
//
// The rows go to the caller one by one as they are read, so that a long list is not
// held a second time as texts.
//
//   SavedTable table;
//   std::string error = ReadSavedTable(text, {"Name", "AttributeText", "Path"},
//       {{"#count", 1}}, [&](std::size_t row, std::vector<std::string>& fields) {
//           ...; return std::string(); }, table);

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ResultWriter.h"

namespace quorvex {

// An extra line the list ends with: its key (with "#", as ResultWriter::addExtra
// takes it) and how many values it holds.
struct SavedExtra
{
    std::string key;
    std::size_t valueCount = 1;
};

struct SavedTable
{
    OutputFormat format = OutputFormat::Tsv;      // Tsv or Json
    std::vector<std::vector<std::string>> extras; // values, in the order of the keys
};

// Takes the fields of row `row` (counted from 0, in the order of the field names; it
// may move them away); returns what is wrong with them, or an empty text. Row 0 may
// come twice: a text that begins like JSON but is none is read again as TSV.
using SavedRowReader =
    std::function<std::string(std::size_t row, std::vector<std::string>& fields)>;

// Hands the rows of `text` to `readRow` and fills `table` with the rest; returns an
// empty text on success, else what is wrong (in English, as the command-line tool's
// messages are), which may be what `readRow` said.
std::string ReadSavedTable(std::string_view text, const std::vector<std::string>& fieldNames,
                           const std::vector<SavedExtra>& extras, const SavedRowReader& readRow,
                           SavedTable& table);

// A whole decimal number without sign or leading zeros ("0" itself aside), at most
// `limit`; false when `text` is not one.
bool ReadDecimal(std::string_view text, std::uint64_t limit, std::uint64_t& value);

} // namespace quorvex
