#pragma once
// What the tests expect differently on Linux and on Windows, in one place: the
// separator and what an absolute path looks like. (The hidden attribute, which
// Linux derives from a leading "." and Windows keeps as a bit, is TempTree::hide.)

#include <string>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quorvex::test {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
// An absolute folder path of the other system, which is relative here.
inline constexpr const char* kForeignFolderPath = "/old/";
#else
inline constexpr char kSeparator = '/';
inline constexpr const char* kForeignFolderPath = "C:\\old\\";
#endif

// Whether the Windows build runs under Wine, which reports every regular file with
// the archive bit (so a file's word is never "normal" alone there).
inline bool RunsUnderWine()
{
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
    return false;
#endif
}

// The attribute letters of a file whose word was set to 0: "N", or "A" under Wine.
inline std::string NormalFileLetters()
{
    return RunsUnderWine() ? "A" : "N";
}

// The text with every '/' turned into the system's separator ("a/b/" -> "a\b\").
inline std::string Native(std::string_view text)
{
    std::string native(text);
    for (char& c : native)
        if (c == '/')
            c = kSeparator;
    return native;
}

// The text with every system separator written as '/', so that one expectation
// serves both systems ("a\b\" -> "a/b/" on Windows).
inline std::string Slashed(std::string_view text)
{
    std::string slashed(text);
    for (char& c : slashed)
        if (c == kSeparator)
            c = '/';
    return slashed;
}

} // namespace quorvex::test
