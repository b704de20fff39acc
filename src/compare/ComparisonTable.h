#pragma once
// The comparison result as a table: one row per ComparisonRow (the name and its
// seven cells as the list shows them), then the captions of the two name columns
// ("#columns") and of the content column ("#header"). The command-line tool prints
// it; the desktop program saves its list with it, in the list's current order. The
// cells are worded in `words`. The table reads the engine's rows as it is written:
// the engine must outlive it, its rows unchanged.

#include "common/ResultWriter.h"
#include "compare/ComparisonEngine.h"

namespace quorvex {

ResultWriter ComparisonTable(const ComparisonEngine& engine, const ComparisonWords& words);

} // namespace quorvex
