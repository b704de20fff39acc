#pragma once
// The separator rules of paths held as UTF-8 text. Linux separates with '/', Windows
// with '\' (and takes '/' as well); the root of an absolute path is "/" on Linux and
// a drive ("C:\") or a share ("\\server\share\") on Windows.

#include <cstddef>
#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace quorvex::platform {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// Whether the byte at `position` of `path` is a path separator. No UTF-8 character
// contains the byte of a separator, so no double-byte rule is needed on text here;
// text in a double-byte code page is decoded before it is looked at (TextFile.h).
bool IsSeparatorAt(std::string_view path, std::size_t position);
// The path with a trailing separator added when it has none; "" stays "" (it names
// no folder, and "/" would name the root).
std::string WithTrailingSeparator(std::string_view path);
// The path without trailing separators, except those of its root ("/", "C:\").
std::string_view WithoutTrailingSeparators(std::string_view path);
// A folder path as the lists show it: ending in exactly one separator ("a///" gives
// "a/"); "" stays "".
std::string WithOneTrailingSeparator(std::string_view path);
// The position of the last separator, or npos.
std::size_t FindLastSeparator(std::string_view path);
// The name an item goes by: the last component of the path, trailing separators
// aside ("b" of "/a/b/"); a root, or a path without a separator, is its own name.
std::string_view LastComponent(std::string_view path);
// Whether `path` is one of `folders` (named without trailing separators) or lies
// below one: a look-up per folder above the path, however many folders there are.
bool LiesWithinAny(std::string_view path, const std::set<std::string, std::less<>>& folders);
// The folder that holds an item, without a trailing separator except for a root,
// which keeps its own ("C:\" of "C:\x", "/" of "/x"); a root holds itself, and a
// path without a separator is returned as it is.
std::string_view ParentFolder(std::string_view path);
// The length of the root that begins the path: 1 for "/x" on Linux; 3 for "C:\x",
// the length up to the share's separator for "\\srv\share\x" on Windows; else 0.
std::size_t RootLength(std::string_view path);
inline bool IsAbsolutePath(std::string_view path)
{
    return RootLength(path) > 0;
}
// The path as an absolute one: a relative path is taken from the current folder.
// An absolute path, and a relative one when the current folder cannot be told, is
// returned as it is.
std::string AbsolutePath(std::string_view path);
// AbsolutePath(path) with "." and ".." components resolved by the text alone (".." at
// the root stays there) and repeated separators folded; a trailing separator stays.
// What a path with ".." names on the disk may differ (a link before the ".."), so this
// is for arithmetic on paths, such as the part of a path below a folder.
std::string NormalPath(std::string_view path);

} // namespace quorvex::platform
