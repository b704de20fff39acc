#pragma once
// The empty-item result as a table, one row per record in the list's order (Name,
// AttributeText, Path), then the count as Panel10 shows it ("#count"). The
// command-line tool prints it; the desktop program saves its list with it.

#include "common/ResultWriter.h"
#include "empty/EmptyItemRecord.h"

namespace quorvex {

ResultWriter EmptyItemTable(const EmptyItemList& list, std::string countText);

} // namespace quorvex
