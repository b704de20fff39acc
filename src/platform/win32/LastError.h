#pragma once
// The reason of the last failing Windows call, remembered for LastFailureText().

#include <windows.h>

#include <string>

#include "platform/FailureReason.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform::win32 {

// Remembers the system's message for `code` (GetLastError() by default).
inline void RememberLastError(DWORD code = GetLastError())
{
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring text = length > 0 ? std::wstring(message, length) : std::wstring();
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L'.'))
        text.pop_back();
    RememberFailure(text.empty() ? "error " + std::to_string(code) : Narrow(text));
}

} // namespace quorvex::platform::win32
