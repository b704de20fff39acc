#include "duplicates/FirstChunkHashes.h"

#include <algorithm>
#include <memory>

#include "common/ChunkHash.h"
#include "common/HeldFolder.h"
#include "platform/ReadFully.h"

namespace quorvex {

namespace {

constexpr std::size_t kFilesPerItem = 256;

// What one worker keeps between files: the folder it is in and a chunk buffer.
struct WorkerPlace
{
    HeldFolder folder;
    std::unique_ptr<unsigned char[]> buffer;
};

} // namespace

FirstChunkHashes::FirstChunkHashes(const DupList& list, const std::vector<std::size_t>& positions,
                                   std::size_t chunk, WorkerPool& pool, ObservedWork& work,
                                   CachedHashes& cached)
    : hashes_(list.size()), known_(list.size())
{
    std::vector<std::size_t> toRead;
    for (const std::size_t position : positions) {
        const cache::CachedFile* file = cached.find(position);
        if (file != nullptr && file->firstKnown) {
            hashes_[position] = file->firstChunk;
            known_[position] = 1;
        } else {
            toRead.push_back(position);
        }
    }
    std::vector<WorkerPlace> places(pool.size());
    const std::size_t items = (toRead.size() + kFilesPerItem - 1) / kFilesPerItem;
    work.run(pool, items, [&](std::size_t item, unsigned worker) {
        WorkerPlace& place = places[worker];
        if (!place.buffer)
            place.buffer = std::make_unique<unsigned char[]>(chunk);
        const std::size_t end = std::min(toRead.size(), (item + 1) * kFilesPerItem);
        for (std::size_t k = item * kFilesPerItem; k < end && !work.cancelled(); ++k) {
            const std::size_t position = toRead[k];
            const TDupRecord& record = list[position];
            const auto length =
                static_cast<std::size_t>(std::min<std::uint64_t>(record.size, chunk));
            platform::InputFile file;
            if (place.folder.open(list.folder(record), list.name(record), file) &&
                file.size() == record.size &&
                platform::ReadFullyAt(file, place.buffer.get(), length, 0) ==
                    static_cast<std::int64_t>(length)) {
                hashes_[position] = HashChunk(place.buffer.get(), length);
                known_[position] = 1;
                cached.keepFirstChunk(position, place.buffer.get(), length, hashes_[position]);
            }
        }
    });
}

} // namespace quorvex
