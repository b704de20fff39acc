#pragma once
// The rows of a folder search as a table, one row per folder in the result's order:
// folder (ending in the separator), size (plain digits), files, relation, group. The
// command-line tool prints it; the desktop program saves its folder list with it.
// The rows must outlive the writer, unchanged.

#include <vector>

#include "common/ResultWriter.h"
#include "duplicates/FolderGroups.h"

namespace quorvex {

ResultWriter FolderTable(const std::vector<FolderRow>& rows);

} // namespace quorvex
