// Decoding of Windows text with glibc iconv. Its "CP932" takes the Windows extensions
// (NEC and IBM rows) that plain Shift_JIS rejects.

#include <iconv.h>

#include <cerrno>

#include "platform/TextFile.h"

namespace quorvex::platform {

namespace {

class Converter
{
public:
    explicit Converter(const char* from) : handle_(::iconv_open("UTF-8", from)) {}
    ~Converter()
    {
        if (isOpen())
            ::iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool isOpen() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle() const { return handle_; }

private:
    iconv_t handle_;
};

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Converts to UTF-8; a sequence that `from` cannot decode becomes U+FFFD.
std::string ConvertToUtf8(std::string_view bytes, const char* from)
{
    Converter converter(from);
    if (!converter.isOpen())
        return std::string(bytes);

    std::string out;
    out.reserve(bytes.size() * 3 / 2 + 16);
    char chunk[4096];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = chunk;
        std::size_t outLeft = sizeof chunk;
        const std::size_t result = ::iconv(converter.handle(), &in, &inLeft, &outPtr, &outLeft);
        out.append(chunk, static_cast<std::size_t>(outPtr - chunk));
        if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
            continue;
        // A byte that starts no character (or a truncated last character): show a
        // replacement character and go on with the next byte.
        out += kReplacement;
        ++in;
        --inLeft;
        ::iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace

std::string DecodeLegacyText(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return ConvertToUtf8(bytes, "CP932");
}

std::string DecodeUtf16LeText(std::string_view bytes)
{
    return ConvertToUtf8(bytes, "UTF-16LE");
}

} // namespace quorvex::platform
