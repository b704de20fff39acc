#include "platform/TextOrder.h"

#include <cstring>

namespace quorvex::platform {

int CompareText(const char* a, const char* b)
{
    return std::strcoll(a, b);
}

std::string TextSortKey(const std::string& text)
{
    const std::size_t length = std::strxfrm(nullptr, text.c_str(), 0);
    std::string key(length + 1, '\0');
    std::strxfrm(key.data(), text.c_str(), key.size());
    key.resize(length);
    return key;
}

} // namespace quorvex::platform
