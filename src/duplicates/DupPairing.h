#pragma once
// Pairing of collected files into groups. Both functions label records in place:
// a group's label is the 1-based list position of its reference file, which gets
// the content "基準"; each member gets its match percentage. Records already
// labelled and files of size 0 never take part.

#include <cstdint>

#include "common/RunObserver.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

struct ContentCache; // CachedHashes.h

struct SimilarityOptions
{
    int threshold = 90;
    unsigned threads = 0; // 0: one per processor core; at most WorkerPool's cap
    // Bytes of file contents held in memory; the rest is compared from disk.
    std::uint64_t contentBudget = 448ull << 20;
    // Bytes for the matching pairs still open and the workers' tables; beyond it,
    // the files still open are paired from disk.
    std::uint64_t pairBudget = 64ull << 20;
    // What the scan cache knows is not read again, and what is read goes into it;
    // the groups are the same.
    const ContentCache* cache = nullptr;
};

struct SimilarityOutcome
{
    // The most the search held beside the list: contents, open pairs and tables (at
    // most the two budgets), and the read buffers of the workers that compared from
    // disk (256 KiB each); the bookkeeping of a few dozen bytes per file aside.
    std::uint64_t peakBytesHeld = 0;
    // Of that, the most the contents of files took: at most the contents budget.
    std::uint64_t peakImageBytes = 0;
    // The open pairs outgrew their share, and the files still open were paired from
    // disk, reference by reference.
    bool pairedFromDisk = false;
};

// The pairwise pairing: the earliest unclaimed file in list order becomes a
// reference, and each later unclaimed file whose size ratio and content match
// against it (the reference as file A) reach the threshold joins its group.
// Each file's contents are read once into memory (within the budget; larger sets
// are compared from disk), each pair of distinct contents that can still matter is
// compared once, on every worker thread, and files of identical contents are
// compared as one; the groups do not depend on the number of threads or the
// budget. Files that cannot be read are told to the observer (cannotRead), once
// each. Moves the overall progress steadily, pumps about every 25 ms and stops
// soon after a cancel, keeping the groups of the references before the first one
// not yet complete in list order, and that one when it has a member.
SimilarityOutcome PairSimilarFiles(DupList& list, const SimilarityOptions& options,
                                   RunObserver& observer);

// The same result as the pairwise pairing at threshold 100, found without comparing
// every pair: files of equal size are read side by side, chunk by chunk, and split
// wherever their bytes differ, so a file is read once (a chunk twice in very large
// sets of equal size) and only until it differs from all others. Files that
// cannot be read, or that changed since they were listed, take no part and are told
// to the observer (cannotRead), in the order of their sizes. The sizes are grouped
// on `threads` workers (0: one per core) while the calling thread pumps about every
// 25 ms and moves the overall progress. A cancel keeps the groups completed so far.
// With `cache`, what it knows is not read again and what is read goes into it; the
// groups are the same (CachedHashes.h).
void PairIdenticalFiles(DupList& list, RunObserver& observer, unsigned threads = 0,
                        const ContentCache* cache = nullptr);

} // namespace quorvex
