#include "duplicates/CachedHashes.h"

namespace quorvex {

CachedHashes::CachedHashes(std::size_t listSize, const std::vector<std::size_t>& positions,
                           const ContentCache* cache)
    : cache_(cache)
{
    if (cache_ == nullptr)
        return;
    slot_.assign(listSize, kNotCandidate);
    std::vector<cache::FileStamp> stamps;
    stamps.reserve(positions.size());
    for (const std::size_t position : positions) {
        slot_[position] = static_cast<std::uint32_t>(stamps.size());
        stamps.push_back(cache_->stamps[position]);
    }
    files_ = cache_->run.lookup(stamps);
}

const cache::CachedFile* CachedHashes::find(std::size_t position) const
{
    if (cache_ == nullptr || slot_[position] == kNotCandidate)
        return nullptr;
    return &files_[slot_[position]];
}

void CachedHashes::keepFirstChunk(std::size_t position, const unsigned char* bytes,
                                  std::size_t length, std::uint64_t firstChunk)
{
    if (cache_ == nullptr)
        return;
    cache::CachedFile& file = files_[slot_[position]];
    file.firstKnown = true;
    file.firstChunk = firstChunk;
    if (length == cache_->stamps[position].size) {
        file.wholeKnown = true;
        file.whole = cache::HashBytes(bytes, length);
    }
    cache_->run.store(cache_->stamps[position], file);
}

void CachedHashes::keepWhole(std::size_t position, const cache::ContentHash& whole)
{
    if (cache_ == nullptr)
        return;
    cache::CachedFile kept;
    kept.wholeKnown = true;
    kept.whole = whole;
    files_[slot_[position]].wholeKnown = true;
    files_[slot_[position]].whole = whole;
    cache_->run.store(cache_->stamps[position], kept);
}

} // namespace quorvex
