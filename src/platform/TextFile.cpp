#include "platform/TextFile.h"

#include <algorithm>
#include <cstdint>

#include "platform/FileSystem.h"

namespace quorvex::platform {

bool IsValidUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        int length;
        unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0; // no overlong forms
            else if (lead == 0xED)
                high = 0x9F; // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F; // nothing above U+10FFFF
        } else {
            return false;
        }
        if (end - p < length || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i < length; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += length;
    }
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::optional<std::string> ReadFileHead(std::string_view path, std::uint64_t limit, bool& complete)
{
    InputFile file;
    if (!file.open(path))
        return std::nullopt;
    complete = file.size() <= limit;
    // Reads end at the size the file had when it was opened.
    std::string bytes(static_cast<std::size_t>(std::min(file.size(), limit)), '\0');
    std::size_t used = 0;
    while (used < bytes.size()) {
        const std::int64_t got = file.read(bytes.data() + used, bytes.size() - used);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break; // the file shrank
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}

std::optional<std::string> ReadWholeFile(std::string_view path)
{
    bool complete = true;
    return ReadFileHead(path, UINT64_MAX, complete);
}

std::vector<std::string> SplitDecodedLines(std::string_view bytes)
{
    std::vector<std::string> lines = SplitLines(bytes);
    for (std::string& line : lines)
        line = DecodeLegacyLine(line);
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(std::string_view path)
{
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return SplitDecodedLines(*bytes);
}

StateFileText ReadStateFile(std::string_view path, std::uint64_t limit)
{
    StateFileText text;
    bool complete = true;
    std::optional<std::string> bytes = ReadFileHead(path, limit, complete);
    if (!bytes) {
        if (LookupEntry(path))
            text.read = StateFileRead::InPart;
        return text;
    }
    if (!complete) // the line cut by the limit is not one of the file's lines
        bytes->resize(bytes->find_last_of("\r\n") + 1);
    text.read = complete ? StateFileRead::Whole : StateFileRead::InPart;
    text.lines = SplitDecodedLines(*bytes);
    return text;
}

bool WriteTextLinesAtomically(std::string_view path, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += EncodeTextLine(line);
        text += "\r\n";
    }
    return WriteFileAtomically(path, text);
}

} // namespace quorvex::platform
