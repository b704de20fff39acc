#include "duplicates/FirstChunkHashes.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "common/ChunkHash.h"
#include "common/HeldFolder.h"
#include "common/ReadPlan.h"
#include "platform/ReadFully.h"

namespace quorvex {

namespace {

// The first pass hints up to this much of each file: a small file comes in whole in
// one request, where its first chunk and then, should it agree with another file's,
// its rest would cost two. On a device that serves few requests a second their count
// is the time taken, and the bytes added are few.
constexpr std::uint64_t kHintedUpTo = 128 * 1024;

// What one worker keeps between files: the folder it is in, a chunk buffer, and the
// files it opened to hint their reading, in the order it reads them.
struct WorkerPlace
{
    HeldFolder folder;
    std::unique_ptr<unsigned char[]> buffer;
    HintedFiles hinted;
};

} // namespace

FirstChunkHashes::FirstChunkHashes(const DupList& list, std::vector<std::size_t> positions,
                                   std::size_t chunk, WorkerPool& pool, ObservedWork& work,
                                   CachedHashes& cached)
    : hashes_(list.size()), known_(list.size())
{
    // The positions not found in the cache, kept in the place of those given.
    std::vector<std::size_t> toRead = std::move(positions);
    std::erase_if(toRead, [&](std::size_t position) {
        const cache::CachedFile* file = cached.find(position);
        if (file == nullptr || !file->firstKnown)
            return false;
        hashes_[position] = file->firstChunk;
        known_[position] = 1;
        return true;
    });
    std::vector<WorkerPlace> places(pool.size());
    const auto open = [&](std::size_t k, unsigned worker, platform::InputFile& file) {
        const TDupRecord& record = list[toRead[k]];
        return places[worker].folder.open(list.folder(record), list.name(record), file);
    };
    const ReadPlan plan = PlanReads(toRead.size(), open, pool, work);
    if (plan.seeksCost) {
        readRanks_.resize(list.size());
        for (std::size_t rank = 0; rank < plan.order.size(); ++rank)
            readRanks_[toRead[plan.order[rank]]] = static_cast<std::uint32_t>(rank);
    }
    const auto hint = [&](std::size_t k, unsigned worker) {
        platform::InputFile file;
        if (open(k, worker, file))
            platform::AdviseWillRead(
                file, 0,
                std::max<std::uint64_t>(chunk, std::min(list[toRead[k]].size, kHintedUpTo)));
        places[worker].hinted.keep(k, std::move(file));
    };
    RunPlanned(plan, pool, work, hint, [&](std::size_t k, unsigned worker) {
        WorkerPlace& place = places[worker];
        if (work.cancelled()) {
            place.hinted.clear(); // closes the files opened for hints
            return;
        }
        if (!place.buffer)
            place.buffer = std::make_unique<unsigned char[]>(chunk);
        const std::size_t position = toRead[k];
        const TDupRecord& record = list[position];
        const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(record.size, chunk));
        platform::InputFile file = place.hinted.take(k);
        if ((file.isOpen() || open(k, worker, file)) && file.size() == record.size &&
            platform::ReadFullyAt(file, place.buffer.get(), length, 0) ==
                static_cast<std::int64_t>(length)) {
            hashes_[position] = HashChunk(place.buffer.get(), length);
            known_[position] = 1;
            cached.keepFirstChunk(position, place.buffer.get(), length, hashes_[position]);
        }
    });
}

} // namespace quorvex
