#include "duplicates/SweepCache.h"

#include <cstring>
#include <string>

namespace quorvex {

SweepCache::SweepCache(const ContentCache* cache, const std::vector<SweepFile>& order)
    : cache_(cache), order_(order)
{
    if (cache_ == nullptr)
        return;
    std::vector<cache::FileStamp> stamps;
    stamps.reserve(order_.size());
    for (const SweepFile& file : order_)
        stamps.push_back(cache_->stamps[file.position]);
    const std::vector<cache::CachedFile> known = cache_->run.lookup(stamps);
    whole_.resize(known.size());
    wholeKnown_.resize(known.size());
    for (std::size_t k = 0; k < known.size(); ++k) {
        wholeKnown_[k] = known[k].wholeKnown;
        whole_[k] = known[k].whole;
    }
    taken_.assign(order_.size(), false);
}

void SweepCache::takeSketches(std::size_t from, std::size_t end,
                              const std::vector<std::uint64_t*>& rooms,
                              std::vector<ContentSketch>& sketches)
{
    if (cache_ == nullptr)
        return;
    std::vector<std::size_t> files;
    std::vector<cache::FileStamp> stamps;
    for (std::size_t k = from; k < end; ++k)
        if (rooms[k] != nullptr) {
            files.push_back(k);
            stamps.push_back(stampOf(k));
        }
    cache_->run.lookupSketches(stamps, [&](std::size_t i, std::string_view bytes) {
        const std::size_t k = files[i];
        if (bytes.size() != ContentSketchBytes(order_[k].size))
            return;
        std::memcpy(rooms[k], bytes.data(), bytes.size());
        sketches[k] = {order_[k].size, order_[k].size, rooms[k]};
        taken_[k] = true;
    });
}

void SweepCache::keepImage(std::size_t k, const ContentImage& image)
{
    if (cache_ == nullptr || image.length != order_[k].size || image.readable != image.length)
        return;
    cache::CachedFile values;
    values.wholeKnown = true;
    values.whole = cache::HashBytes(image.words, image.readable);
    cache_->run.store(stampOf(k), values,
                      std::string(reinterpret_cast<const char*>(image.fields),
                                  ContentSketchBytes(image.readable)));
}

void SweepCache::keepSketch(std::size_t k, const ContentSketch& sketch)
{
    if (cache_ == nullptr || sketch.length != order_[k].size || sketch.readable != sketch.length)
        return;
    cache_->run.store(stampOf(k), {},
                      std::string(reinterpret_cast<const char*>(sketch.fields),
                                  ContentSketchBytes(sketch.readable)));
}

} // namespace quorvex
