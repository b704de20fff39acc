#pragma once
// The hashes of the first chunks of the files an exact search must read, taken
// before the files are grouped by size, in the order their data lies on the disk
// (ReadPlan.h). Each worker keeps the folder it is in open and opens its files by
// name, so files of one folder read one after another walk the folder's path once;
// the grouping then reopens only the files whose first chunk another file of its
// size shares.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/ObservedWork.h"
#include "common/WorkerPool.h"
#include "duplicates/CachedHashes.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

class FirstChunkHashes
{
public:
    // Hashes the first `min(size, chunk)` bytes of the records at `positions` (list
    // positions, ascending) on the workers of `pool`. A file that cannot be read, or
    // whose size is no longer its record's, gets no hash: the grouping reads it again
    // and tells why it cannot. A hash that `cached` holds is taken from there; one
    // read is handed to it.
    FirstChunkHashes(const DupList& list, std::vector<std::size_t> positions, std::size_t chunk,
                     WorkerPool& pool, ObservedWork& work, CachedHashes& cached);

    bool known(std::size_t position) const { return known_[position] != 0; }
    std::uint64_t hash(std::size_t position) const { return hashes_[position]; }
    // Where seeks cost, the place of each file (by list position) in the order its
    // first chunk was read (files taken from the cache come first); elsewhere empty.
    // Taken once, so that it is not held while the files are grouped.
    std::vector<std::uint32_t> takeReadRanks() { return std::move(readRanks_); }

private:
    std::vector<std::uint64_t> hashes_; // by list position
    std::vector<std::uint8_t> known_;
    std::vector<std::uint32_t> readRanks_; // by list position, where seeks cost
};

} // namespace quorvex
