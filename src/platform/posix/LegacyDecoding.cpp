// CP932 decoding with glibc iconv: its "CP932" takes the Windows extensions (NEC and
// IBM rows) that plain Shift_JIS rejects.

#include <iconv.h>

#include <cerrno>

#include "platform/TextFile.h"

namespace quorvex::platform {

namespace {

class Converter
{
public:
    Converter() : handle_(::iconv_open("UTF-8", "CP932")) {}
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

} // namespace

std::string DecodeLegacyText(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    Converter converter;
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
        // A byte that starts no CP932 character (or a truncated last character):
        // show a replacement character and go on with the next byte.
        out += kReplacement;
        ++in;
        --inLeft;
        ::iconv(converter.handle(), nullptr, nullptr, nullptr, nullptr);
    }
    return out;
}

} // namespace quorvex::platform
