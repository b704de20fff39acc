#pragma once
// Collects a result list and prints it whole at the end, as TSV or JSON, so that a
// failure never leaves half a result on standard output.
//
// TSV: one line a row, fields joined by tabs; then one line per extra, its key
// (such as "#columns") and its values joined by tabs.
// JSON: {"rows":[{field: value, ...}], key-without-#: value or [values], ...}.
// Bytes that are not valid UTF-8 are written unchanged in TSV and escaped in JSON
// as \udcXX (one lone low surrogate per byte), which loses nothing. A TSV field
// writes tab, line feed, carriage return and backslash as \t, \n, \r and \\, so
// that every row stays one line with its fixed number of fields.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliOptions.h"

namespace quorvex::cli {

class ResultWriter
{
public:
    explicit ResultWriter(std::vector<std::string> fieldNames);

    void addRow(std::vector<std::string> values);
    // An extra line/field; one value is written as a JSON string, several as an array.
    void addExtra(std::string key, std::vector<std::string> values);

    std::string render(OutputFormat format) const;
    // Renders and writes to `out`; returns false when writing failed.
    bool write(OutputFormat format, std::FILE* out = stdout) const;

private:
    std::vector<std::string> fieldNames_;
    std::vector<std::vector<std::string>> rows_;
    std::vector<std::pair<std::string, std::vector<std::string>>> extras_;
};

// One TSV field: the bytes, with tab, LF, CR and backslash escaped.
std::string TsvField(std::string_view bytes);
// A JSON string literal (with quotes) of arbitrary bytes.
std::string JsonString(std::string_view bytes);

} // namespace quorvex::cli
