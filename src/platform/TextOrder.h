#pragma once
// The order of texts in the result lists, the system's own text comparison: on Linux
// strcoll in the process locale (LC_COLLATE); on Windows CompareStringEx in the
// user's locale, on the wide text, as lstrcmp compares.

#include <string>

namespace quorvex::platform {

// Negative, zero or positive like strcmp. Both texts are NUL-terminated UTF-8.
int CompareText(const char* a, const char* b);
// A key whose bytewise order is the order of CompareText, so that a sort transforms
// each text once instead of at every comparison.
std::string TextSortKey(const std::string& text);

} // namespace quorvex::platform
