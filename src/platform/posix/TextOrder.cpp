#include "platform/TextOrder.h"

#include <langinfo.h>

#include <clocale>
#include <cstdint>
#include <cstring>

namespace quorvex::platform {

int CompareText(const char* a, const char* b)
{
    return std::strcoll(a, b);
}

void AppendTextSortKey(std::string_view text, std::string& keys)
{
    // strxfrm reads a terminated text; the copy's buffer is kept for the next call.
    thread_local std::string terminated;
    terminated.assign(text);
    const std::size_t start = keys.size();
    keys.resize(start + 2 * text.size() + 16);
    std::size_t length = std::strxfrm(keys.data() + start, terminated.c_str(), keys.size() - start);
    if (length >= keys.size() - start) {
        keys.resize(start + length + 1);
        length = std::strxfrm(keys.data() + start, terminated.c_str(), length + 1);
    }
    keys.resize(start + length);
}

bool TextOrderIsByteOrder()
{
#ifdef __GLIBC__
    // glibc: a locale without collation rules compares with strcmp. The item is a
    // 32-bit word handed out in the place of a pointer; only those 32 bits count.
    const auto word = reinterpret_cast<std::uintptr_t>(nl_langinfo(_NL_COLLATE_NRULES));
    return static_cast<std::uint32_t>(word) == 0;
#else
    const char* name = std::setlocale(LC_COLLATE, nullptr);
    return name != nullptr && (std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0);
#endif
}

} // namespace quorvex::platform
