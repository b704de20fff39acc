// Decoding of Windows text with glibc iconv; text files are written in UTF-8. Its "CP932" takes the
// Windows extensions (NEC and IBM rows) that plain Shift_JIS rejects.

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "platform/TextFile.h"

namespace quorvex::platform {

namespace {

class Converter
{
public:
    Converter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {}
    ~Converter()
    {
        if (isOpen())
            ::iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // Converts `bytes`; a code unit (of `unitSize` bytes) that cannot be converted
    // becomes `replacement` (nullopt: the conversion fails instead).
    std::optional<std::string> convert(std::string_view bytes,
                                       std::optional<std::string_view> replacement = std::nullopt,
                                       std::size_t unitSize = 1)
    {
        ::iconv(handle_, nullptr, nullptr, nullptr, nullptr); // the initial state
        std::string out;
        out.reserve(bytes.size() * 3 / 2 + 16);
        char chunk[4096];
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        while (inLeft > 0) {
            char* outPtr = chunk;
            std::size_t outLeft = sizeof chunk;
            const std::size_t result = ::iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
            out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            if (!replacement)
                return std::nullopt;
            // A unit that starts no character (or a truncated last character): the
            // replacement, then the next unit.
            out += *replacement;
            const std::size_t skipped = std::min(unitSize, inLeft);
            in += skipped;
            inLeft -= skipped;
            ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t handle_;
};

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The UTF-8 text of `bytes` when they are CP932 text that encodes back to exactly
// the same bytes (some characters have two codes in CP932; such text is not exact).
std::optional<std::string> DecodeCp932Exactly(std::string_view bytes)
{
    // Opened once per thread: files of many legacy lines decode line by line.
    thread_local Converter decoder("UTF-8", "CP932");
    thread_local Converter encoder("CP932", "UTF-8");
    if (!decoder.isOpen() || !encoder.isOpen())
        return std::nullopt;
    std::optional<std::string> text = decoder.convert(bytes);
    if (!text || encoder.convert(*text) != bytes)
        return std::nullopt;
    return text;
}

} // namespace

std::string DecodeLegacyLine(std::string_view line)
{
    if (line.empty() || line.front() == '/' || IsValidUtf8(line))
        return std::string(line);
    return DecodeCp932Exactly(line).value_or(std::string(line));
}

std::string EncodeTextLine(std::string_view line)
{
    return std::string(line);
}

std::string DecodeUtf16LeText(std::string_view bytes, bool* exact)
{
    Converter decoder("UTF-8", "UTF-16LE");
    if (!decoder.isOpen()) {
        if (exact != nullptr)
            *exact = false;
        return std::string(bytes);
    }
    if (std::optional<std::string> text = decoder.convert(bytes)) {
        if (exact != nullptr)
            *exact = true;
        return *text;
    }
    if (exact != nullptr)
        *exact = false;
    return *decoder.convert(bytes, kReplacement, 2);
}

} // namespace quorvex::platform
