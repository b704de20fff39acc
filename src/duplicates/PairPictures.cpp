#include <algorithm>
#include <atomic>
#include <memory>

#include "common/WorkerPool.h"
#include "duplicates/CachedHashes.h"
#include "duplicates/PictureIndex.h"
#include "duplicates/PicturePairing.h"
#include "platform/FailureReason.h"
#include "platform/FileSystem.h"
#include "platform/ReadFully.h"

namespace quorvex {

namespace {

constexpr int kPumpEvery = 256; // references between two pumps of the pairing
// A worker keeps its buffer for the next file up to this size.
constexpr std::size_t kKeptBuffer = 64u << 20;

// The fingerprint of the picture in the file at `path`, listed with `listedSize` bytes;
// empty, with `reason`, when the file cannot be read or decoded, or is no longer of
// that size (what the cache keeps must be of the file as listed). `bytes` is the
// worker's buffer.
std::optional<PictureHash> ReadPrint(const std::string& path, std::uint64_t listedSize,
                                     const PictureReader& reader, std::vector<unsigned char>& bytes,
                                     std::string& reason)
{
    platform::InputFile file;
    if (!file.open(path)) {
        reason = platform::LastFailureText();
        return std::nullopt;
    }
    if (file.size() != listedSize) {
        reason = "its size changed during the search";
        return std::nullopt;
    }
    if (file.size() > kLargestPictureFile) {
        reason = "too large to decode as a picture";
        return std::nullopt;
    }
    bytes.resize(file.size());
    const std::int64_t got = platform::ReadFullyAt(file, bytes.data(), bytes.size(), 0);
    if (got < 0) {
        reason = platform::LastFailureText();
        return std::nullopt;
    }
    GreyPicture grey;
    const bool decoded =
        reader.decodeGrey(bytes.data(), static_cast<std::size_t>(got), grey, reason);
    if (bytes.capacity() > kKeptBuffer)
        bytes = {};
    if (!decoded)
        return std::nullopt;
    return FingerprintOf(grey);
}

// The fingerprints of the candidates at `positions`: those the cache knows, the others
// decoded on the workers. What cannot be decoded is left empty, with its reason.
std::vector<std::optional<PictureHash>>
ReadPrints(const DupList& list, const std::vector<std::size_t>& positions,
           const PictureReader& reader, const PictureOptions& options, RunObserver& observer,
           const ContentCache* cache, std::vector<std::string>& reasons)
{
    std::vector<std::optional<PictureHash>> prints(list.size());
    std::vector<std::size_t> toRead;
    std::vector<cache::FileStamp> stamps;
    if (cache != nullptr) {
        for (const std::size_t position : positions)
            stamps.push_back(cache->stamps[position]);
        const std::vector<cache::CachedFile> known = cache->run.lookup(stamps);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (known[i].pictureKnown)
                prints[positions[i]] = known[i].picture;
            else
                toRead.push_back(positions[i]);
        }
    } else {
        toRead = positions;
    }

    std::atomic<std::uint64_t> done{positions.size() - toRead.size()};
    std::atomic<bool> stopping{false};
    observer.setOverallMax(positions.size());
    observer.setOverallPosition(done);
    reasons.assign(toRead.size(), {});
    WorkerPool pool(options.threads);
    std::vector<std::vector<unsigned char>> buffers(pool.size());
    pool.run(
        toRead.size(),
        [&](std::size_t item, unsigned worker) {
            if (stopping.load(std::memory_order_relaxed))
                return;
            const std::size_t position = toRead[item];
            prints[position] = ReadPrint(list.RecordPath(list[position]), list[position].size,
                                         reader, buffers[worker], reasons[item]);
            if (prints[position] && cache != nullptr) {
                cache::CachedFile kept;
                kept.pictureKnown = true;
                kept.picture = *prints[position];
                cache->run.store(cache->stamps[position], kept);
            }
            done.fetch_add(1, std::memory_order_relaxed);
        },
        [&] {
            observer.setOverallPosition(done.load(std::memory_order_relaxed));
            observer.pumpMessages();
            if (observer.cancelRequested())
                stopping.store(true, std::memory_order_relaxed);
        });
    observer.setOverallPosition(done);
    for (std::size_t item = 0; item < toRead.size() && !stopping; ++item)
        if (!prints[toRead[item]])
            observer.cannotRead(list.RecordPath(list[toRead[item]]), reasons[item]);
    if (stopping) // a search stopped while decoding pairs nothing
        prints.assign(list.size(), std::nullopt);
    return prints;
}

} // namespace

void PairPictures(DupList& list, const std::vector<std::optional<PictureHash>>& prints,
                  const PictureOptions& options, RunObserver& observer)
{
    std::vector<std::pair<PictureHash, std::uint32_t>> pictures;
    for (std::size_t position = 0; position < list.size(); ++position)
        if (prints[position] && list[position].group == 0)
            pictures.emplace_back(*prints[position], static_cast<std::uint32_t>(position));
    PictureIndex index(pictures, list.size());
    pictures = {};
    const int radius = MaxPictureDistance(std::clamp(options.threshold, 10, 100));
    const int orientations = options.turns ? kOrientations : 1;
    std::vector<PictureIndex::Near> found;
    std::vector<int> nearest(list.size(), kPictureHashBits + 1); // of the current reference
    int sincePump = 0;
    for (std::size_t position = 0; position < list.size(); ++position) {
        if (!prints[position] || list[position].group != 0)
            continue; // no picture, or claimed by an earlier reference
        if (++sincePump == kPumpEvery) {
            sincePump = 0;
            observer.pumpMessages();
            if (observer.cancelRequested())
                return;
        }
        index.remove(static_cast<std::uint32_t>(position));
        // Every picture still in the index comes later in the list and is unclaimed.
        found.clear();
        for (int orientation = 0; orientation < orientations; ++orientation)
            index.within(Oriented(*prints[position], orientation), radius, found);
        if (found.empty())
            continue;
        const auto group = static_cast<std::uint32_t>(position + 1);
        for (const PictureIndex::Near& near : found)
            nearest[near.item] = std::min(nearest[near.item], near.distance);
        for (const PictureIndex::Near& near : found) {
            TDupRecord& member = list[near.item];
            if (member.group == group)
                continue; // found in another orientation too
            member.group = group;
            member.content = static_cast<std::int8_t>(PicturePercent(nearest[near.item]));
            nearest[near.item] = kPictureHashBits + 1;
            index.remove(near.item);
        }
        list[position].group = group;
        list[position].content = kContentReference;
    }
}

void PairPictureFiles(DupList& list, const PictureReader& reader, const PictureOptions& options,
                      RunObserver& observer, const ContentCache* cache)
{
    std::vector<std::size_t> positions;
    for (std::size_t position = 0; position < list.size(); ++position)
        if (list[position].size > 0 && reader.readsName(list.name(list[position])))
            positions.push_back(position);
    std::vector<std::string> reasons;
    const std::vector<std::optional<PictureHash>> prints =
        ReadPrints(list, positions, reader, options, observer, cache, reasons);
    PairPictures(list, prints, options, observer);
}

} // namespace quorvex
