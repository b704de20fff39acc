#include "common/ResultWriter.h"

#include <cctype>

namespace quorvex {

std::size_t Utf8SequenceLength(std::string_view s, std::size_t i)
{
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    std::size_t n;
    std::uint32_t cp;
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    return n;
}

std::string TsvField(std::string_view bytes)
{
    if (bytes.find_first_of("\t\n\r\\") == std::string_view::npos)
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + 8);
    for (char c : bytes) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string CsvField(std::string_view bytes)
{
    // A spreadsheet takes a cell that begins with one of these for a formula; a
    // leading apostrophe makes it show the text instead.
    const bool formulaLike = !bytes.empty() && std::string_view("=+-@\t\r").find(bytes.front()) !=
                                                   std::string_view::npos;
    const std::string text = formulaLike ? "'" + std::string(bytes) : std::string(bytes);
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

OutputFormat SaveFormatForPath(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    const std::string_view name = path.substr(slash == std::string_view::npos ? 0 : slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || name.size() - dot != 4)
        return OutputFormat::Tsv;
    std::string extension;
    for (char c : name.substr(dot + 1))
        extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "csv" ? OutputFormat::Csv : OutputFormat::Tsv;
}

std::string JsonString(std::string_view bytes)
{
    std::string out = "\"";
    char buffer[8];
    for (std::size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        std::size_t n = Utf8SequenceLength(bytes, i);
        if (n == 0) {
            std::snprintf(buffer, sizeof buffer, "\\udc%02x", c);
            out += buffer;
            ++i;
            continue;
        }
        if (n > 1) {
            out.append(bytes.substr(i, n));
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += static_cast<char>(c);
        }
        i += n;
    }
    out += '"';
    return out;
}

ResultWriter::ResultWriter(std::vector<std::string> fieldNames) : fieldNames_(std::move(fieldNames))
{
}

ResultWriter::ResultWriter(std::vector<std::string> fieldNames, std::size_t rowCount,
                           RowFields fieldsOf)
    : fieldNames_(std::move(fieldNames)), madeRowCount_(rowCount), fieldsOf_(std::move(fieldsOf))
{
}

void ResultWriter::forEachRow(
    const std::function<void(std::size_t row, const std::vector<std::string>& fields)>& visit) const
{
    for (std::size_t row = 0; row < rows_.size(); ++row)
        visit(row, rows_[row]);
    for (std::size_t made = 0; made < madeRowCount_; ++made) {
        std::vector<std::string> fields = fieldsOf_(made);
        fields.resize(fieldNames_.size());
        visit(rows_.size() + made, fields);
    }
}

void ResultWriter::addRow(std::vector<std::string> values)
{
    values.resize(fieldNames_.size());
    rows_.push_back(std::move(values));
}

void ResultWriter::addExtra(std::string key, std::vector<std::string> values)
{
    extras_.emplace_back(std::move(key), std::move(values));
}

std::string ResultWriter::render(OutputFormat format) const
{
    const Spill keep = [](std::string&) {};
    return compose(format, keep);
}

bool ResultWriter::write(OutputFormat format, std::FILE* out) const
{
    // Written in pieces of about 64 KiB: a list of a million rows is never held
    // twice, once as rows and once as text.
    bool written = true;
    const Spill spill = [&](std::string& text) {
        if (text.size() < (std::size_t{1} << 16))
            return;
        written = written && std::fwrite(text.data(), 1, text.size(), out) == text.size();
        text.clear();
    };
    const std::string rest = compose(format, spill);
    return written && std::fwrite(rest.data(), 1, rest.size(), out) == rest.size() &&
           std::fflush(out) == 0;
}

std::string ResultWriter::compose(OutputFormat format, const Spill& spill) const
{
    if (format != OutputFormat::Json)
        return composeLines(format, spill);
    std::string out;
    out += "{\"rows\":[";
    forEachRow([&](std::size_t r, const std::vector<std::string>& fields) {
        out += r ? ",\n{" : "\n{";
        for (std::size_t f = 0; f < fieldNames_.size(); ++f) {
            if (f)
                out += ',';
            out += JsonString(fieldNames_[f]);
            out += ':';
            out += JsonString(fields[f]);
        }
        out += '}';
        spill(out);
    });
    out += "]";
    for (const auto& [key, values] : extras_) {
        out += ",\n";
        out += JsonString(key.size() > 1 && key[0] == '#' ? key.substr(1) : key);
        out += ':';
        if (values.size() == 1) {
            out += JsonString(values[0]);
        } else {
            out += '[';
            for (std::size_t v = 0; v < values.size(); ++v) {
                if (v)
                    out += ',';
                out += JsonString(values[v]);
            }
            out += ']';
        }
    }
    out += "}\n";
    return out;
}

// TSV and CSV: the rows, then one line per extra led by its key.
std::string ResultWriter::composeLines(OutputFormat format, const Spill& spill) const
{
    const bool csv = format == OutputFormat::Csv;
    const char separator = csv ? ',' : '\t';
    const char* lineEnd = csv ? "\r\n" : "\n";
    std::string out = csv ? "\xEF\xBB\xBF" : "";
    auto appendLine = [&](const std::string* head, const std::vector<std::string>& fields) {
        bool first = true;
        if (head) {
            out += csv ? CsvField(*head) : *head;
            first = false;
        }
        for (const auto& field : fields) {
            if (!first)
                out += separator;
            out += csv ? CsvField(field) : TsvField(field);
            first = false;
        }
        out += lineEnd;
        spill(out);
    };
    forEachRow(
        [&](std::size_t, const std::vector<std::string>& fields) { appendLine(nullptr, fields); });
    for (const auto& [key, values] : extras_)
        appendLine(&key, values);
    return out;
}

} // namespace quorvex
