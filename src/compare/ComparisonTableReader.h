#pragma once
// A comparison list that ComparisonTable wrote (TSV or JSON), read back into the
// engine as a run over the same paths A and B leaves it, so that its table writes
// the same text again; each row is checked against the disk. The saved list names
// A and B only by their captions, so the caller gives the paths again (the list must
// have been saved for paths of the same captions). A row whose entry vanished on a
// side it shows, appeared on a side it lacks, changed kind, or whose size, time or
// attribute cells differ now is marked (ComparisonRow::check) and never acted on.

#include <string>
#include <string_view>

#include "compare/ComparisonEngine.h"

namespace quorvex {

// Replaces the engine's rows with those of `text`, saved for `pathA` and `pathB` with
// cells in `words`; an empty text on success, else what is wrong (and the engine's
// rows stay as they were).
std::string ReadComparisonTable(std::string_view text, std::string_view pathA,
                                std::string_view pathB, const ComparisonWords& words,
                                ComparisonEngine& engine);

} // namespace quorvex
