#pragma once
// What the scan cache knows of the similarity sweep's files, by index in size order:
// the hashes of whole contents, so that two files of equal hashes score 100 without
// being read, and the sketches it hands out in place of reading a file. What the
// sweep reads goes into the cache in turn. Without a cache nothing is known.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cache/ContentHash.h"
#include "common/ContentImage.h"
#include "duplicates/CachedHashes.h"
#include "duplicates/PairResolution.h"

namespace quorvex {

class SweepCache
{
public:
    SweepCache(const ContentCache* cache, const std::vector<SweepFile>& order);

    // Whether both files' whole contents are known to be the same bytes.
    bool sameContents(std::size_t a, std::size_t b) const
    {
        return !wholeKnown_.empty() && wholeKnown_[a] && wholeKnown_[b] &&
               order_[a].size == order_[b].size && whole_[a] == whole_[b];
    }

    // Gives each file of [from, end) with a room in `rooms` the sketch the cache holds
    // for it, in that room and in `sketches`.
    void takeSketches(std::size_t from, std::size_t end, const std::vector<std::uint64_t*>& rooms,
                      std::vector<ContentSketch>& sketches);
    bool sketchTaken(std::size_t k) const { return !taken_.empty() && taken_[k]; }

    // Keeps what a worker read of file k whole: its image's hash and sketch, or its
    // sketch alone. A file cut short by a read error or changed in size is not kept.
    void keepImage(std::size_t k, const ContentImage& image);
    void keepSketch(std::size_t k, const ContentSketch& sketch);

private:
    const cache::FileStamp& stampOf(std::size_t k) const
    {
        return cache_->stamps[order_[k].position];
    }

    const ContentCache* cache_;
    const std::vector<SweepFile>& order_;
    std::vector<cache::ContentHash> whole_;
    std::vector<bool> wholeKnown_;
    std::vector<bool> taken_; // the file's sketch came from the cache
};

} // namespace quorvex
