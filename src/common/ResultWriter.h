#pragma once
// Collects a result list and renders it only once it is complete, as TSV, JSON or
// CSV, so that a failed run never leaves half a result behind. The command-line tool prints
// it; the desktop program saves a list with it.
//
// TSV: one line a row, fields joined by tabs; then one line per extra, its key
// (such as "#columns") and its values joined by tabs.
// JSON: {"rows":[{field: value, ...}], key-without-#: value or [values], ...}.
// Bytes that are not valid UTF-8 are written unchanged in TSV and escaped in JSON
// as \udcXX (one lone low surrogate per byte), which loses nothing. A TSV field
// writes tab, line feed, carriage return and backslash as \t, \n, \r and \\, so
// that every row stays one line with its fixed number of fields.
// CSV: the same lines as TSV, each field quoted where needed (comma, double quote,
// CR or LF; quotes doubled), lines ended by CR LF, the whole preceded by a UTF-8
// byte order mark so that spreadsheet programs read the Japanese text. A field that
// begins with "=", "+", "-", "@", tab or CR, which a spreadsheet would evaluate as
// a formula, is written with a leading apostrophe, which shows it as text.

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

enum class OutputFormat
{
    Tsv,
    Json,
    Csv
};

class ResultWriter
{
public:
    // The fields of row `row` of a list that the writer reads as it writes.
    using RowFields = std::function<std::vector<std::string>(std::size_t row)>;

    explicit ResultWriter(std::vector<std::string> fieldNames);
    // A writer over `rowCount` rows whose fields `fieldsOf` makes as each row is
    // written, so that a long list is never held as texts; what `fieldsOf` reads
    // must stay valid and unchanged while the writer is used.
    ResultWriter(std::vector<std::string> fieldNames, std::size_t rowCount, RowFields fieldsOf);

    void addRow(std::vector<std::string> values);
    // An extra line/field; one value is written as a JSON string, several as an array.
    void addExtra(std::string key, std::vector<std::string> values);

    std::string render(OutputFormat format) const;
    // Renders and writes to `out` piece by piece; returns false when writing failed.
    bool write(OutputFormat format, std::FILE* out = stdout) const;

private:
    // Takes the text made so far, or leaves it: the text the composers return is
    // what it left.
    using Spill = std::function<void(std::string& text)>;
    std::string compose(OutputFormat format, const Spill& spill) const;
    std::string composeLines(OutputFormat format, const Spill& spill) const;
    // Calls `visit` with the fields of every row in order: the added rows, then the
    // made ones.
    void forEachRow(const std::function<void(std::size_t row,
                                             const std::vector<std::string>& fields)>& visit) const;

    std::vector<std::string> fieldNames_;
    std::vector<std::vector<std::string>> rows_;
    std::size_t madeRowCount_ = 0;
    RowFields fieldsOf_;
    std::vector<std::pair<std::string, std::vector<std::string>>> extras_;
};

// One TSV field: the bytes, with tab, LF, CR and backslash escaped.
std::string TsvField(std::string_view bytes);
// One CSV field: led by an apostrophe when it begins with "=", "+", "-", "@", tab or
// CR; then quoted, with its double quotes doubled, when it holds a comma, a double
// quote, CR or LF.
std::string CsvField(std::string_view bytes);
// The format a saved list takes from its file name: CSV for a ".csv" extension (in
// any case), otherwise TSV.
OutputFormat SaveFormatForPath(std::string_view path);
// Length of the valid UTF-8 sequence starting at s[i] (1 for ASCII), or 0 when the
// bytes there are not one.
std::size_t Utf8SequenceLength(std::string_view s, std::size_t i);
// A JSON string literal (with quotes) of arbitrary bytes.
std::string JsonString(std::string_view bytes);

} // namespace quorvex
