#pragma once
// The short caption of a root path for the name columns: "/" followed by one "."
// per folder level (at most 30) and the last component in brackets.

#include <string>
#include <string_view>

namespace quorvex {

// "/data/photos" -> "/..[photos]", the file "/data/a.txt" -> "/.[a.txt]", "/" -> "/";
// a relative path is shown from the current folder.
std::string AbbreviatePathCaption(std::string_view path);

// Removes the last component of `path` (a trailing separator is dropped first) and
// returns it; when no separator remains, returns an empty text and leaves `path`.
std::string RemoveLastComponent(std::string& path);

} // namespace quorvex
