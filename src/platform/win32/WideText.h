#pragma once
// Text at the edge of the Windows layer: the wide (UTF-16) strings of the system
// calls and the UTF-8 that everything above the layer holds.

#include <string>
#include <string_view>

namespace quorvex::platform::win32 {

// UTF-8 to UTF-16. Three-byte forms of lone surrogates (as Narrow makes them) turn
// back into the surrogates; bytes that are not UTF-8 become U+FFFD.
std::wstring Widen(std::string_view utf8);
// UTF-16 to UTF-8. A lone surrogate, which a Windows file name may hold, is kept in
// its three-byte form, so that the name reaches the system again unchanged.
std::string Narrow(std::wstring_view wide);

// A path for the wide file calls. An absolute path too long for the plain calls gets
// the "\\?\" prefix (with '\' separators, which the prefix requires).
std::wstring WidePath(std::string_view path);

} // namespace quorvex::platform::win32
