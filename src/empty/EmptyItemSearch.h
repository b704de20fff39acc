#pragma once
// The empty-item search: below one folder, every zero-size regular file and every
// folder that holds nothing, depth first.
//
// Per folder, in this order: its zero-size files (that pass the hidden/system rule)
// in listing order; then the folder itself when it holds no file at all and no
// subfolder whose name does not begin with '.'; then, for each subfolder that does
// not begin with '.', is no link and passes the hidden/system rule, everything found
// below it. Any file, reported or not, makes its folder non-empty. A folder that
// cannot be listed is neither reported nor entered; the observer hears of it
// (cannotRead). Once the observer asks to stop,
// nothing further is appended, so a folder examined only partly is not reported.

#include <cstddef>
#include <string_view>

#include "common/Filters.h"
#include "common/RunObserver.h"
#include "empty/EmptyItemRecord.h"

namespace quorvex {

// Appends the finds below `folder` (a trailing '/' is added when missing) to `list`,
// incrementing `counter` once per record. `settings` is read at every entry, so a
// change made while the walk runs applies at once.
void SearchEmptyItems(std::string_view folder, std::size_t& counter, EmptyItemList& list,
                      const FilterSettings& settings, RunObserver& observer);

} // namespace quorvex
