#pragma once
// The order of texts in the result lists, the system's own text comparison: on Linux
// strcoll in the process locale (LC_COLLATE); on Windows CompareStringEx in the
// user's locale, on the wide text, as lstrcmp compares.

#include <string>
#include <string_view>

namespace quorvex::platform {

// Negative, zero or positive like strcmp. Both texts are NUL-terminated UTF-8.
int CompareText(const char* a, const char* b);
// Appends to `keys` a key of `text` whose bytewise order is the order of CompareText,
// so that a sort transforms each text once instead of at every comparison. The key
// holds no NUL byte.
void AppendTextSortKey(std::string_view text, std::string& keys);
// Whether CompareText orders texts by their bytes (the C locales): the texts are
// then their own sort keys.
bool TextOrderIsByteOrder();

} // namespace quorvex::platform
