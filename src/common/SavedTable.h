#pragma once
// Reads a result list back from the text ResultWriter wrote as TSV or JSON: the
// fields of every row, and the values of the extra lines that follow the rows. The
// reader knows the list's field names and extra keys, so that a row whose first field
// looks like an extra key (a file named "#count") is still a row. Any text that the
// writer cannot have written is refused with a message naming the line (TSV) or the
// byte offset (JSON) where the reading stopped; CSV, whose cells a spreadsheet's
// apostrophe makes ambiguous, is refused as such.
//
//   SavedTable table;
//   std::string error = ReadSavedTable(text, {"Name", "AttributeText", "Path"},
//                                      {{"#count", 1}}, table);

#include <cstddef>
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
    OutputFormat format = OutputFormat::Tsv; // Tsv or Json
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<std::string>> extras; // values, in the order of the keys
};

// Fills `table` from `text`; returns an empty text on success, else what is wrong
// (in English, as the command-line tool's messages are).
std::string ReadSavedTable(std::string_view text, const std::vector<std::string>& fieldNames,
                           const std::vector<SavedExtra>& extras, SavedTable& table);

// A whole decimal number without sign or leading zeros ("0" itself aside), at most
// `limit`; false when `text` is not one.
bool ReadDecimal(std::string_view text, std::uint64_t limit, std::uint64_t& value);

} // namespace quorvex
