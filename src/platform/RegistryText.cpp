#include "platform/RegistryText.h"

#include <cstdio>

#include "platform/AsciiText.h"
#include "platform/TextFile.h"

namespace quorvex::platform {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Reads a quoted text at the start of `rest` (which begins with '"'), unescaping
// \\ \" \r \n; on success `rest` is left after the closing quote.
bool ReadQuoted(std::string_view& rest, std::string& out)
{
    out.clear();
    for (std::size_t i = 1; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == rest.size())
            return false;
        switch (rest[i]) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        default:
            return false;
        }
    }
    return false;
}

bool ParseValueLine(std::string_view line, RegistryValue& value)
{
    if (line.substr(0, 1) == "@") {
        value.name.clear();
        line.remove_prefix(1);
    } else if (line.substr(0, 1) != "\"" || !ReadQuoted(line, value.name)) {
        return false;
    }
    line = Trimmed(line);
    if (line.substr(0, 1) != "=")
        return false;
    line = Trimmed(line.substr(1));
    if (line.substr(0, 1) == "\"") {
        value.kind = RegistryValue::Kind::String;
        return ReadQuoted(line, value.text) && Trimmed(line).empty();
    }
    constexpr std::string_view kDword = "dword:";
    if (SameRegistryName(line.substr(0, kDword.size()), kDword)) {
        value.kind = RegistryValue::Kind::Dword;
        const std::optional<std::uint32_t> dword = ParseHex32(line.substr(kDword.size()));
        value.dword = dword.value_or(0);
        return dword.has_value();
    }
    if (line.empty())
        return false;
    value.kind = RegistryValue::Kind::Other;
    value.text = std::string(line);
    return true;
}

// Whether a value line that may have been cut off is whole: a text up to its closing
// quote, a dword with all eight digits. Other types give no sign of their end.
bool IsCompleteInForm(std::string_view line, const RegistryValue& value)
{
    switch (value.kind) {
    case RegistryValue::Kind::String:
        return true; // ParseValueLine found the closing quote
    case RegistryValue::Kind::Dword:
        return line.size() > 8 && line[line.size() - 9] == ':' &&
               ParseHex32(line.substr(line.size() - 8)).has_value();
    case RegistryValue::Kind::Other:
        return false;
    }
    return false;
}

std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace

bool SameRegistryName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(static_cast<unsigned char>(a[i])) !=
            FoldAscii(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

ParsedRegistryText ParseRegistryText(std::string_view text, std::string_view keyName)
{
    ParsedRegistryText parsed;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<std::string> lines = SplitLines(text);
    // Files of this program end with a line break; a last line without one was cut
    // off unless its form shows it complete.
    const bool lastLineCut = !text.empty() && text.back() != '\n' && text.back() != '\r';
    for (std::string& line : lines)
        line = DecodeLegacyLine(line);
    if (lines.empty() || (Trimmed(lines[0]) != kHeader && Trimmed(lines[0]) != kOldHeader))
        return parsed;
    bool inOwnSection = false;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        std::string line(Trimmed(lines[index]));
        // Values of other types may continue on the next lines after a '\'; one that
        // would continue past the last line was cut off.
        const auto continues = [](const std::string& text) {
            return !text.empty() && text.back() == '\\' && text.find("=\"") == std::string::npos;
        };
        while (continues(line) && index + 1 < lines.size())
            line = line.substr(0, line.size() - 1) + std::string(Trimmed(lines[++index]));
        if (continues(line))
            return parsed;
        const bool cut = lastLineCut && index + 1 == lines.size();
        if (line.empty() || line[0] == ';')
            continue;
        if (line.front() == '[') {
            if (line.back() != ']' || inOwnSection)
                return parsed; // a second section is nothing this key can keep
            inOwnSection =
                SameRegistryName(std::string_view(line).substr(1, line.size() - 2), keyName);
            if (!inOwnSection)
                return parsed;
            continue;
        }
        RegistryValue value;
        if (!inOwnSection || !ParseValueLine(line, value) ||
            (cut && !IsCompleteInForm(line, value)))
            return parsed;
        parsed.values.push_back(std::move(value));
    }
    parsed.complete = true;
    return parsed;
}

ParsedRegistryText ParseRegistryFile(std::string_view bytes, std::string_view keyName)
{
    if (bytes.substr(0, 2) != "\xFF\xFE")
        return ParseRegistryText(bytes, keyName);
    bool exact = true;
    const std::string text = DecodeUtf16LeText(bytes.substr(2), &exact);
    ParsedRegistryText parsed = ParseRegistryText(text, keyName);
    parsed.complete = parsed.complete && exact;
    return parsed;
}

std::string FormatRegistryText(std::string_view keyName, const std::vector<RegistryValue>& values)
{
    std::string text(kHeader);
    text += "\n\n[";
    text += keyName;
    text += "]\n";
    for (const RegistryValue& value : values) {
        text += value.name.empty() ? std::string("@") : Quoted(value.name);
        text += '=';
        switch (value.kind) {
        case RegistryValue::Kind::String:
            text += Quoted(value.text);
            break;
        case RegistryValue::Kind::Dword: {
            char digits[16];
            std::snprintf(digits, sizeof digits, "dword:%08x", value.dword);
            text += digits;
            break;
        }
        case RegistryValue::Kind::Other:
            text += value.text;
            break;
        }
        text += '\n';
    }
    text += '\n';
    return text;
}

} // namespace quorvex::platform
