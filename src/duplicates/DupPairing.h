#pragma once
// Pairing of collected files into groups. Both functions label records in place:
// a group's label is the 1-based list position of its reference file, which gets
// the content "基準"; each member gets its match percentage. Records already
// labelled and files of size 0 never take part.

#include "compare/ContentCompare.h"
#include "core/RunObserver.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

// The pairwise pairing: the earliest unclaimed file becomes a reference, and each
// later unclaimed file whose size ratio and content match against it reach the
// threshold joins its group. Candidates come from a size index, in list order.
// Steps the overall progress once per record; pumps before every comparison and
// stops comparing while a cancel is requested.
void PairByContents(DupList& list, int threshold, ContentBuffers& buffers, RunObserver& observer);

// The same result as PairByContents at threshold 100, found without comparing every
// pair: files of equal size are read side by side, chunk by chunk, and split
// wherever their bytes differ, so a file is read once (a chunk twice in very large
// sets of equal size) and only until it differs from all others. Files that
// cannot be read take no part. A cancel keeps the groups completed so far.
void PairIdenticalFiles(DupList& list, RunObserver& observer);

} // namespace quorvex
