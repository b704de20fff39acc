#include "common/SavedTable.h"

#include <algorithm>
#include <cstdint>

namespace quorvex {

namespace {

// Appends what the escape "\c" stands for when `c` is one of `escapes`; false when
// it is not.
bool unescape(char c, std::string_view escapes, std::string& out)
{
    static constexpr std::string_view kLetters = "tnrbf";
    static constexpr char kControls[] = {'\t', '\n', '\r', '\b', '\f'};
    if (escapes.find(c) == std::string_view::npos)
        return false;
    const std::size_t control = kLetters.find(c);
    out += control == std::string_view::npos ? c : kControls[control];
    return true;
}

// ---- TSV ----

// One TSV field with its escapes undone; false when it holds a backslash that
// TsvField cannot have written.
bool unescapeTsvField(std::string_view field, std::string& out)
{
    out.clear();
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\r')
            return false;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == field.size() || !unescape(field[i], "tnr\\", out))
            return false;
    }
    return true;
}

std::string lineError(std::size_t line, std::string_view what)
{
    return "line " + std::to_string(line) + ": " + std::string(what);
}

// The fields of one line; an error text when a field is malformed.
std::string splitTsvLine(std::string_view line, std::size_t number,
                         std::vector<std::string>& fields)
{
    fields.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        const std::string_view raw = line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (!unescapeTsvField(raw, fields.emplace_back()))
            return lineError(number, "a carriage return or a backslash that escapes nothing");
        if (tab == std::string_view::npos)
            return {};
        start = tab + 1;
    }
}

std::string readTsv(std::string_view text, const std::vector<std::string>& fieldNames,
                    const std::vector<SavedExtra>& extras, const SavedRowReader& readRow,
                    SavedTable& table)
{
    if (!text.empty() && text.back() != '\n')
        return "the last line is incomplete (no line feed at its end)";
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.size() < extras.size())
        return "the list ends before its " + extras[lines.size()].key + " line";
    const std::size_t rowCount = lines.size() - extras.size();
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::string error = splitTsvLine(lines[i], i + 1, fields); !error.empty())
            return error;
        if (i < rowCount) {
            if (fields.size() != fieldNames.size())
                return lineError(i + 1, std::to_string(fields.size()) + " fields instead of " +
                                            std::to_string(fieldNames.size()));
            if (std::string error = readRow(i, fields); !error.empty())
                return error;
            continue;
        }
        const SavedExtra& extra = extras[i - rowCount];
        if (fields.front() != extra.key || fields.size() != extra.valueCount + 1)
            return lineError(i + 1, "not the " + extra.key + " line with " +
                                        std::to_string(extra.valueCount) + " value(s)");
        table.extras.emplace_back(fields.begin() + 1, fields.end());
    }
    table.format = OutputFormat::Tsv;
    return {};
}

// ---- JSON ----

// A reader of the one shape ResultWriter writes: an object of "rows" (an array of
// objects of strings) and of extras (strings or arrays of strings). Whitespace
// between tokens is allowed; nothing nests deeper, so nothing recurses.
class JsonReader
{
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    std::string read(const std::vector<std::string>& fieldNames,
                     const std::vector<SavedExtra>& extras, const SavedRowReader& readRow,
                     SavedTable& table)
    {
        std::vector<bool> extraSeen(extras.size(), false);
        std::vector<std::vector<std::string>> extraValues(extras.size());
        bool rowsSeen = false;
        if (!take('{'))
            return fail("an object");
        do {
            std::string key;
            if (!readString(key) || !take(':'))
                return fail("a key and \":\"");
            if (key == "rows" && !rowsSeen) {
                rowsSeen = true;
                if (!readRows(fieldNames, readRow))
                    return error_;
                continue;
            }
            const auto extra = std::ranges::find_if(extras, [&](const SavedExtra& e) {
                return e.key.size() > 1 && std::string_view(e.key).substr(1) == key;
            });
            const std::size_t slot = static_cast<std::size_t>(extra - extras.begin());
            if (extra == extras.end() || extraSeen[slot])
                return fail("no unknown or repeated key such as \"" + key + "\"");
            extraSeen[slot] = true;
            if (!readExtra(*extra, extraValues[slot]))
                return error_;
        } while (take(','));
        if (!take('}'))
            return fail("\",\" or \"}\"");
        skipSpace();
        if (pos_ != text_.size())
            return fail("the end of the text");
        if (!rowsSeen)
            return "the \"rows\" of the list are missing";
        for (std::size_t i = 0; i < extras.size(); ++i) {
            if (!extraSeen[i])
                return "the \"" + extras[i].key.substr(1) + "\" of the list is missing";
            table.extras.push_back(std::move(extraValues[i]));
        }
        table.format = OutputFormat::Json;
        return {};
    }

private:
    std::string fail(std::string_view expected)
    {
        if (error_.empty())
            error_ = "byte " + std::to_string(pos_) + ": expected " + std::string(expected);
        return error_;
    }

    // Notes what was expected where the reading stopped; false, for the caller to return.
    bool failed(std::string_view expected)
    {
        fail(expected);
        return false;
    }

    void skipSpace()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t'))
            ++pos_;
    }

    bool take(char c)
    {
        skipSpace();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool readRows(const std::vector<std::string>& fieldNames, const SavedRowReader& readRow)
    {
        if (!take('['))
            return failed("the array of rows");
        if (take(']'))
            return true;
        std::vector<std::string> fields;
        std::size_t row = 0;
        do {
            if (!readFields(fieldNames, fields))
                return false;
            if (std::string error = readRow(row++, fields); !error.empty()) {
                error_ = std::move(error);
                return false;
            }
        } while (take(','));
        return take(']') || failed("\",\" or \"]\"");
    }

    bool readFields(const std::vector<std::string>& fieldNames, std::vector<std::string>& row)
    {
        row.assign(fieldNames.size(), std::string());
        std::vector<bool> seen(fieldNames.size(), false);
        if (!take('{'))
            return failed("a row object");
        std::string key;
        do {
            if (!readString(key) || !take(':'))
                return failed("a field name and \":\"");
            const auto name = std::ranges::find(fieldNames, key);
            const std::size_t slot = static_cast<std::size_t>(name - fieldNames.begin());
            if (name == fieldNames.end() || seen[slot])
                return failed("no unknown or repeated field such as \"" + key + "\"");
            seen[slot] = true;
            if (!readString(row[slot]))
                return failed("a text value");
        } while (take(','));
        if (!take('}'))
            return failed("\",\" or \"}\"");
        if (std::ranges::find(seen, false) != seen.end())
            return failed("every field of a row");
        return true;
    }

    bool readExtra(const SavedExtra& extra, std::vector<std::string>& values)
    {
        if (extra.valueCount == 1) {
            values.resize(1);
            return readString(values[0]) || failed("a text value");
        }
        if (!take('['))
            return failed("an array of texts");
        do {
            if (!readString(values.emplace_back()))
                return failed("a text value");
        } while (take(','));
        if (!take(']') || values.size() != extra.valueCount)
            return failed("an array of " + std::to_string(extra.valueCount) + " texts");
        return true;
    }

    bool readHex4(std::uint32_t& value)
    {
        if (text_.size() - pos_ < 4)
            return false;
        value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return false;
            value = value * 16 + static_cast<std::uint32_t>(digit);
        }
        return true;
    }

    static void appendUtf8(std::uint32_t cp, std::string& out)
    {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    // A \u escape after its backslash and "u": a code point, a surrogate pair, or a
    // lone low surrogate U+DC80..U+DCFF standing for the byte 0x80..0xFF.
    bool readUnicodeEscape(std::string& out)
    {
        std::uint32_t cp = 0;
        if (!readHex4(cp))
            return false;
        if (cp >= 0xDC80 && cp <= 0xDCFF) {
            out += static_cast<char>(cp - 0xDC00);
            return true;
        }
        if (cp >= 0xDC00 && cp <= 0xDFFF)
            return false;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (text_.substr(pos_, 2) != "\\u")
                return false;
            pos_ += 2;
            if (!readHex4(low) || low < 0xDC00 || low > 0xDFFF)
                return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        appendUtf8(cp, out);
        return true;
    }

    bool readString(std::string& out)
    {
        out.clear();
        if (!take('"'))
            return false;
        while (pos_ < text_.size()) {
            const unsigned char c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20)
                return false;
            if (c != '\\') {
                const std::size_t n = Utf8SequenceLength(text_, pos_);
                if (n == 0)
                    return false;
                out.append(text_.substr(pos_, n));
                pos_ += n;
                continue;
            }
            if (++pos_ == text_.size())
                return false;
            const char escape = text_[pos_++];
            if (escape == 'u' ? !readUnicodeEscape(out) : !unescape(escape, "tnrbf\"\\/", out))
                return false;
        }
        return false;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string error_;
};

} // namespace

bool ReadDecimal(std::string_view text, std::uint64_t limit, std::uint64_t& value)
{
    if (text.empty() || text.size() > 20 || (text.size() > 1 && text[0] == '0'))
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (limit - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    return true;
}

std::string ReadSavedTable(std::string_view text, const std::vector<std::string>& fieldNames,
                           const std::vector<SavedExtra>& extras, const SavedRowReader& readRow,
                           SavedTable& table)
{
    table = {};
    if (text.starts_with("\xEF\xBB\xBF"))
        return "a list saved as CSV cannot be opened again; save it as TSV";
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || text[first] != '{')
        return readTsv(text, fieldNames, extras, readRow, table);
    // A TSV list whose first name begins with "{" is read as TSV when it is no JSON;
    // what the caller found wrong with a row of it ends the reading.
    std::string rowError;
    const SavedRowReader noting = [&](std::size_t row, std::vector<std::string>& fields) {
        rowError = readRow(row, fields);
        return rowError;
    };
    const std::string jsonError = JsonReader(text).read(fieldNames, extras, noting, table);
    if (jsonError.empty() || !rowError.empty())
        return jsonError;
    table = {};
    const std::string tsvError = readTsv(text, fieldNames, extras, noting, table);
    if (tsvError.empty() || !rowError.empty())
        return tsvError;
    table = {};
    return text.substr(first).starts_with("{\"rows\"") ? jsonError : tsvError;
}

} // namespace quorvex
