#pragma once
// Pairing of collected files into groups. Both functions label records in place:
// a group's label is the 1-based list position of its reference file, which gets
// the content "基準"; each member gets its match percentage. Records already
// labelled and files of size 0 never take part.

#include <cstdint>

#include "common/RunObserver.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

struct SimilarityOptions
{
    int threshold = 90;
    unsigned threads = 0;                       // 0: one per processor core
    std::uint64_t contentBudget = 512ull << 20; // bytes of file contents held in memory
};

// The pairwise pairing: the earliest unclaimed file in list order becomes a
// reference, and each later unclaimed file whose size ratio and content match
// against it (the reference as file A) reach the threshold joins its group.
// Each file's contents are read once into memory (within the budget; larger sets
// are compared from disk), each pair of distinct contents is compared once, on
// every worker thread; the groups do not depend on the number of threads. Moves
// the overall progress steadily, pumps about every 25 ms and stops soon after a
// cancel, keeping the groups whose reference was fully judged and the group in
// progress when it has a member.
void PairSimilarFiles(DupList& list, const SimilarityOptions& options, RunObserver& observer);

// The same result as the pairwise pairing at threshold 100, found without comparing
// every pair: files of equal size are read side by side, chunk by chunk, and split
// wherever their bytes differ, so a file is read once (a chunk twice in very large
// sets of equal size) and only until it differs from all others. Files that
// cannot be read take no part. A cancel keeps the groups completed so far.
void PairIdenticalFiles(DupList& list, RunObserver& observer);

} // namespace quorvex
