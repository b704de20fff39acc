#pragma once
// What the exact search knows of its candidate files' contents before reading them:
// the hashes the scan cache holds for them, and those found during this run, which
// also go into the cache. Without a cache nothing is known and nothing is kept.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "cache/CacheRun.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

// A search's cache: the run that reads and keeps entries, and the stamps of the
// list's files by list position.
struct ContentCache
{
    cache::CacheRun& run;
    const std::vector<cache::FileStamp>& stamps;
};

class CachedHashes
{
public:
    // Looks the records at `positions` (ascending list positions) up in `cache`.
    CachedHashes(std::size_t listSize, const std::vector<std::size_t>& positions,
                 const ContentCache* cache);

    bool caching() const { return cache_ != nullptr; }
    // Null when nothing is known of the file at `position`.
    const cache::CachedFile* find(std::size_t position) const;

    // What a worker read of the file at `position`: its first `length` bytes, whose
    // chunk hash is `firstChunk`; when they are the whole file, its whole hash is then
    // known too. Each position is kept by one worker, and found only after the
    // workers are done.
    void keepFirstChunk(std::size_t position, const unsigned char* bytes, std::size_t length,
                        std::uint64_t firstChunk);
    void keepWhole(std::size_t position, const cache::ContentHash& whole);

private:
    static constexpr std::uint32_t kNotCandidate = ~std::uint32_t{0};

    const ContentCache* cache_;
    std::vector<std::uint32_t> slot_; // by list position: index into files_
    std::vector<cache::CachedFile> files_;
};

} // namespace quorvex
