#pragma once
// The number of files in a tree that pass the mask rule (the progress range of the
// duplicate search).

#include <cstdint>
#include <string_view>

#include "common/Filters.h"

namespace quorvex {

// Counts every file below `folder` (its subfolders too, except those whose name
// begins with "." and those reached through a symbolic link) that passes the mask
// rule with its first-dot key, or every file while useMasks is off. The attribute
// rule is not applied. Folders that cannot be listed count nothing.
std::uint64_t CountMaskedFiles(std::string_view folder, const FilterSettings& settings);

} // namespace quorvex
