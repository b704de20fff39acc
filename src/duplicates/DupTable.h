#pragma once
// The duplicate and identical-file results as a table, one row per record in the
// list's order: name, content, size (plain digits), date, folder, group, band. The
// command-line tool prints it; the desktop program saves its list with it. The
// reference row's content cell holds `referenceWord`. The table reads the list as it
// writes: the list must outlive it, unchanged.

#include "common/ResultWriter.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

ResultWriter DupTable(const DupList& list, std::string_view referenceWord);

} // namespace quorvex
