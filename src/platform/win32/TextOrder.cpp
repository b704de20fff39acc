#include "platform/TextOrder.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/WideText.h"

namespace quorvex::platform {

int CompareText(const char* a, const char* b)
{
    const std::wstring wideA = win32::Widen(a), wideB = win32::Widen(b);
    const int result = CompareStringEx(LOCALE_NAME_USER_DEFAULT, 0, wideA.c_str(), -1,
                                       wideB.c_str(), -1, nullptr, nullptr, 0);
    // CSTR_LESS_THAN, CSTR_EQUAL, CSTR_GREATER_THAN are 1, 2, 3 (0: failure).
    return result == 0 ? std::strcmp(a, b) : result - CSTR_EQUAL;
}

void AppendTextSortKey(std::string_view text, std::string& keys)
{
    const std::wstring wide = win32::Widen(text);
    const int length = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, wide.c_str(), -1,
                                     nullptr, 0, nullptr, nullptr, 0);
    if (length <= 0)
        return;
    const std::size_t start = keys.size();
    keys.resize(start + static_cast<std::size_t>(length));
    LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, wide.c_str(), -1,
                  reinterpret_cast<LPWSTR>(keys.data() + start), length, nullptr, nullptr, 0);
    // The key ends with its terminating NUL, which orders nothing.
    keys.resize(start + static_cast<std::size_t>(length) - 1);
}

bool TextOrderIsByteOrder()
{
    return false;
}

} // namespace quorvex::platform
