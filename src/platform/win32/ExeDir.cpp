#include <windows.h>

#include <string>

#include "platform/AppPaths.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform {

std::string ExeDir()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return ".\\";
        if (length < buffer.size()) {
            const std::string path = win32::Narrow(std::wstring_view(buffer.data(), length));
            return path.substr(0, FindLastSeparator(path) + 1);
        }
        buffer.resize(buffer.size() * 2); // the name was cut short
    }
}

} // namespace quorvex::platform
