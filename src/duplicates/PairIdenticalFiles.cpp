// Exact duplicates without pairwise comparisons. The files of one size are read
// side by side at the same offset, one chunk at a time, and a set of files that
// agreed so far is split into the subsets whose chunks are byte-identical; a file
// left alone drops out and is not read further. The first chunks of all files are
// hashed beforehand in list order (FirstChunkHashes), so a set of one size is first
// split by those hashes, as a later set whose chunks would not fit the buffer budget
// is split by a hash of the chunk, and each bucket is then compared on its bytes. Because byte
// equality is transitive, the groups are exactly those the pairwise pairing finds at threshold 100,
// labelled by their earliest file. Size classes are grouped by a worker per core, the largest
// first; a class labels only its own records, and the files it could not read are told in the order
// of the sizes, so the result does not depend on the number of workers.
// With the scan cache, a set that agrees on its first chunk is instead grouped by the
// hashes of the whole files: a file whose hash the cache holds is not read at all,
// any other is read once, whole, and its hash kept, so a stopped run leaves its work
// behind and the next one reads only what is left.

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <ranges>
#include <string>
#include <utility>
#include <vector>

#include "common/ChunkHash.h"
#include "common/ObservedWork.h"
#include "common/WorkerPool.h"
#include "duplicates/CachedHashes.h"
#include "duplicates/DupPairing.h"
#include "duplicates/FirstChunkHashes.h"
#include "platform/FailureReason.h"
#include "platform/ReadFully.h"

namespace quorvex {

namespace {

constexpr std::size_t kFirstChunk = 4 * 1024;  // most unequal files differ early
constexpr std::size_t kLaterChunk = 64 * 1024; // large reads once files agree
constexpr std::size_t kBufferBudget = 1024 * 1024;
constexpr std::size_t kKeepOpenLimit = 64; // larger sets reopen files per chunk
constexpr std::size_t kLinearRepLimit = 4; // more distinct chunks: compare hashes first
constexpr const char* kChangedSinceListed = "its size changed during the search";

using Buffer = std::unique_ptr<unsigned char[]>;

// Chunk buffers reused for the whole search.
class BufferPool
{
public:
    Buffer take()
    {
        if (free_.empty())
            return Buffer(new unsigned char[kLaterChunk]);
        Buffer buffer = std::move(free_.back());
        free_.pop_back();
        return buffer;
    }
    void give(Buffer buffer) { free_.push_back(std::move(buffer)); }

private:
    std::vector<Buffer> free_;
};

struct Candidate
{
    std::size_t record;
    platform::InputFile file;
    bool dropBehind = false; // platform::DropsBehind, asked when it was opened
};

// Files of one class (indices into the candidates) that agree up to `offset`.
struct Subset
{
    std::vector<std::uint32_t> members;
    std::uint64_t offset = 0;
    bool hashed = false; // split by hash at this offset; the bytes decide next
};

// A distinct chunk content found among a subset's members.
struct Variant
{
    Buffer bytes;
    std::uint64_t hash = 0;
    bool hashKnown = false;
    std::vector<std::uint32_t> members;
};

// The files a size class could not read: path and reason.
using Unread = std::vector<std::pair<std::string, std::string>>;

// Groups the files of one size class after another, on one worker.
class ExactGrouping
{
public:
    ExactGrouping(DupList& list, const FirstChunkHashes& firstChunks, CachedHashes& cached,
                  const std::atomic<bool>& cancel)
        : list_(list), firstChunks_(firstChunks), cached_(cached), cancel_(cancel)
    {
    }

    // Labels the duplicate groups among the records at `positions` (list order),
    // all of `size` bytes; what cannot be read goes to `unread`.
    void groupSizeClass(std::uint64_t size, const std::vector<std::size_t>& positions,
                        Unread& unread);

private:
    void refine(Subset subset);
    void groupByWholeHash(const Subset& subset);
    bool hashWholeFile(std::uint32_t member, cache::ContentHash& hash);
    void splitByHash(const Subset& subset, std::size_t length);
    std::vector<Variant> splitByBytes(const Subset& subset, std::size_t length);
    bool readChunk(std::uint32_t member, std::uint64_t offset, std::size_t length,
                   unsigned char* buffer, bool keepOpen);
    void drop(const std::vector<std::uint32_t>& members);
    void label(const std::vector<std::uint32_t>& members);
    bool pump();

    DupList& list_;
    const FirstChunkHashes& firstChunks_;
    CachedHashes& cached_;
    const std::atomic<bool>& cancel_;
    BufferPool pool_;
    Buffer scratch_;
    Unread* unread_ = nullptr;
    std::uint64_t classSize_ = 0;
    std::vector<Candidate> candidates_;
    std::vector<Subset> pending_;
    bool cancelled_ = false;
};

void ExactGrouping::groupSizeClass(std::uint64_t size, const std::vector<std::size_t>& positions,
                                   Unread& unread)
{
    if (!scratch_)
        scratch_ = pool_.take();
    unread_ = &unread;
    classSize_ = size;
    candidates_.clear();
    Subset all;
    for (std::size_t position : positions) {
        all.members.push_back(static_cast<std::uint32_t>(candidates_.size()));
        candidates_.push_back({position, {}, false});
    }
    splitByHash(all, static_cast<std::size_t>(std::min<std::uint64_t>(size, kFirstChunk)));
    while (!pending_.empty()) {
        Subset next = std::move(pending_.back());
        pending_.pop_back();
        if (cancelled_)
            continue;
        if (cached_.caching())
            groupByWholeHash(next);
        else
            refine(std::move(next));
    }
    candidates_.clear(); // closes every file still open
}

// Follows one subset chunk by chunk until it is confirmed, falls apart or splits;
// further subsets of a split wait on the stack with their files closed.
void ExactGrouping::refine(Subset subset)
{
    for (;;) {
        if (subset.offset >= classSize_) {
            label(subset.members);
            drop(subset.members);
            return;
        }
        if (cancelled_)
            return;
        // Files whose first chunks hashed alike are compared on the bytes of the first
        // chunk and of those after it together, in one read each.
        const bool firstUnhashed = subset.offset == 0 && !subset.hashed;
        const std::size_t length = static_cast<std::size_t>(std::min<std::uint64_t>(
            classSize_ - subset.offset, firstUnhashed ? kFirstChunk : kLaterChunk));
        if (!subset.hashed && subset.members.size() * length > kBufferBudget) {
            splitByHash(subset, length);
            return;
        }
        std::vector<Variant> variants = splitByBytes(subset, length);
        const std::uint64_t nextOffset = subset.offset + length;
        subset.members.clear();
        for (Variant& variant : variants) {
            if (variant.members.size() < 2)
                drop(variant.members);
            else if (subset.members.empty())
                subset.members = std::move(variant.members);
            else {
                drop(variant.members);
                pending_.push_back({std::move(variant.members), nextOffset, false});
            }
            pool_.give(std::move(variant.bytes));
        }
        if (subset.members.empty())
            return;
        subset.offset = nextOffset;
        subset.hashed = false;
    }
}

void ExactGrouping::groupByWholeHash(const Subset& subset)
{
    std::vector<std::pair<cache::ContentHash, std::uint32_t>> hashes;
    for (std::uint32_t member : subset.members) {
        const std::size_t position = candidates_[member].record;
        const cache::CachedFile* known = cached_.find(position);
        cache::ContentHash hash;
        if (known != nullptr && known->wholeKnown) {
            hashes.emplace_back(known->whole, member);
        } else if (hashWholeFile(member, hash)) {
            hashes.emplace_back(hash, member);
            cached_.keepWhole(position, hash);
        }
        if (!pump())
            return;
    }
    std::sort(hashes.begin(), hashes.end());
    for (std::size_t begin = 0; begin < hashes.size();) {
        std::size_t end = begin + 1;
        while (end < hashes.size() && hashes[end].first == hashes[begin].first)
            ++end;
        if (end - begin > 1) {
            std::vector<std::uint32_t> members;
            for (std::size_t k = begin; k < end; ++k)
                members.push_back(hashes[k].second);
            label(members);
        }
        begin = end;
    }
}

bool ExactGrouping::hashWholeFile(std::uint32_t member, cache::ContentHash& hash)
{
    const std::string path = list_.RecordPath(list_[candidates_[member].record]);
    std::string failure;
    const std::optional<cache::ContentHash> hashed =
        cache::HashFile(path, classSize_, failure, [this] { return pump(); },
                        std::move(candidates_[member].file));
    if (!hashed) {
        if (!failure.empty()) // else cancelled
            unread_->emplace_back(path, failure);
        return false;
    }
    hash = *hashed;
    return true;
}

void ExactGrouping::splitByHash(const Subset& subset, std::size_t length)
{
    std::vector<std::pair<std::uint64_t, std::uint32_t>> hashes;
    for (std::uint32_t member : subset.members) {
        const std::size_t position = candidates_[member].record;
        if (subset.offset == 0 && firstChunks_.known(position))
            hashes.emplace_back(firstChunks_.hash(position), member);
        else if (readChunk(member, subset.offset, length, scratch_.get(), false))
            hashes.emplace_back(HashChunk(scratch_.get(), length), member);
        if (!pump())
            return;
    }
    std::sort(hashes.begin(), hashes.end()); // members stay in list order within a bucket
    for (std::size_t begin = 0; begin < hashes.size();) {
        std::size_t end = begin + 1;
        while (end < hashes.size() && hashes[end].first == hashes[begin].first)
            ++end;
        if (end - begin > 1) {
            Subset bucket{{}, subset.offset, true};
            for (std::size_t k = begin; k < end; ++k)
                bucket.members.push_back(hashes[k].second);
            pending_.push_back(std::move(bucket));
        }
        begin = end;
    }
}

std::vector<Variant> ExactGrouping::splitByBytes(const Subset& subset, std::size_t length)
{
    const bool keepOpen = subset.members.size() <= kKeepOpenLimit;
    std::vector<Variant> variants;
    for (std::uint32_t member : subset.members) {
        if (readChunk(member, subset.offset, length, scratch_.get(), keepOpen)) {
            bool hashKnown = false;
            std::uint64_t hash = 0;
            Variant* match = nullptr;
            for (Variant& variant : variants) {
                if (variants.size() > kLinearRepLimit) {
                    if (!hashKnown) {
                        hash = HashChunk(scratch_.get(), length);
                        hashKnown = true;
                    }
                    if (!variant.hashKnown) {
                        variant.hash = HashChunk(variant.bytes.get(), length);
                        variant.hashKnown = true;
                    }
                    if (variant.hash != hash)
                        continue;
                }
                if (std::memcmp(variant.bytes.get(), scratch_.get(), length) == 0) {
                    match = &variant;
                    break;
                }
            }
            if (match == nullptr) {
                match = &variants.emplace_back();
                match->bytes = std::exchange(scratch_, pool_.take());
                match->hash = hash;
                match->hashKnown = hashKnown;
            }
            match->members.push_back(member);
        }
        if (!pump())
            break;
    }
    return variants;
}

// A file that cannot be read, or that changed since it was listed, is never a
// duplicate: it is told to the observer and read no more.
bool ExactGrouping::readChunk(std::uint32_t member, std::uint64_t offset, std::size_t length,
                              unsigned char* buffer, bool keepOpen)
{
    Candidate& candidate = candidates_[member];
    platform::InputFile& file = candidate.file;
    const auto fail = [&](const std::string& reason) {
        file.close();
        unread_->emplace_back(list_.RecordPath(list_[candidate.record]), reason);
        return false;
    };
    if (!file.isOpen()) {
        if (!file.open(list_.RecordPath(list_[candidate.record])))
            return fail(platform::LastFailureText());
        if (file.size() != classSize_)
            return fail(kChangedSinceListed);
        candidate.dropBehind = platform::DropsBehind(file);
    }
    const std::int64_t got =
        platform::ReadFullyAt(file, buffer, length, offset, candidate.dropBehind);
    if (got < 0)
        return fail(platform::LastFailureText());
    if (got < static_cast<std::int64_t>(length))
        return fail(kChangedSinceListed); // it shrank since it was opened
    if (!keepOpen)
        file.close();
    return true;
}

void ExactGrouping::drop(const std::vector<std::uint32_t>& members)
{
    for (std::uint32_t member : members)
        candidates_[member].file.close();
}

void ExactGrouping::label(const std::vector<std::uint32_t>& members)
{
    std::vector<std::size_t> positions;
    for (std::uint32_t member : members)
        positions.push_back(candidates_[member].record);
    std::sort(positions.begin(), positions.end());
    const auto label = static_cast<std::uint32_t>(positions.front() + 1);
    for (std::size_t position : positions) {
        TDupRecord& record = list_[position];
        record.group = label;
        record.content = position == positions.front() ? kContentReference : std::int16_t{100};
    }
}

bool ExactGrouping::pump()
{
    cancelled_ = cancelled_ || cancel_.load(std::memory_order_relaxed);
    return !cancelled_;
}

// The records (list positions) of one file size that more than one file has.
struct SizeClass
{
    std::uint64_t size;
    std::vector<std::size_t> positions;
};

std::vector<SizeClass> SizeClassesOf(const DupList& list)
{
    std::vector<std::pair<std::uint64_t, std::size_t>> bySize;
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].size > 0 && list[i].group == 0)
            bySize.emplace_back(list[i].size, i);
    std::sort(bySize.begin(), bySize.end());
    std::vector<SizeClass> classes;
    for (std::size_t begin = 0; begin < bySize.size();) {
        std::size_t end = begin + 1;
        while (end < bySize.size() && bySize[end].first == bySize[begin].first)
            ++end;
        if (end - begin > 1) {
            SizeClass& sizeClass = classes.emplace_back();
            sizeClass.size = bySize[begin].first;
            for (std::size_t k = begin; k < end; ++k)
                sizeClass.positions.push_back(bySize[k].second);
        }
        begin = end;
    }
    return classes;
}

} // namespace

void PairIdenticalFiles(DupList& list, RunObserver& observer, unsigned threads,
                        const ContentCache* cache)
{
    const std::vector<SizeClass> classes = SizeClassesOf(list);
    WorkerPool pool(threads);
    ObservedWork work(observer, &RunObserver::stepOverall); // counts files grouped
    std::vector<std::size_t> candidates;
    for (const SizeClass& sizeClass : classes)
        candidates.insert(candidates.end(), sizeClass.positions.begin(), sizeClass.positions.end());
    std::sort(candidates.begin(), candidates.end());
    CachedHashes cached(list.size(), candidates, cache);
    FirstChunkHashes firstChunks(list, std::move(candidates), kFirstChunk, pool, work, cached);

    // Where seeks cost, the classes in the order their data lies on the disk, so that
    // the whole-file reads sweep it once more; elsewhere the most bytes first, so that
    // no worker is left with a large class at the end.
    std::vector<std::size_t> order(classes.size());
    std::vector<std::uint32_t> firstRank(classes.size());
    {
        const std::vector<std::uint32_t> readRanks = firstChunks.takeReadRanks();
        for (std::size_t i = 0; i < order.size(); ++i) {
            order[i] = i;
            if (!readRanks.empty())
                firstRank[i] = std::ranges::min(classes[i].positions |
                                                std::views::transform([&](std::size_t position) {
                                                    return readRanks[position];
                                                }));
        }
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (firstRank[a] != firstRank[b])
            return firstRank[a] < firstRank[b];
        return static_cast<double>(classes[a].size) * classes[a].positions.size() >
               static_cast<double>(classes[b].size) * classes[b].positions.size();
    });
    std::vector<std::unique_ptr<ExactGrouping>> groupings(pool.size());
    std::vector<Unread> unread(classes.size());
    work.run(pool, classes.size(), [&](std::size_t item, unsigned worker) {
        if (!groupings[worker]) // made by the worker that uses it
            groupings[worker] =
                std::make_unique<ExactGrouping>(list, firstChunks, cached, work.cancelFlag());
        const SizeClass& sizeClass = classes[order[item]];
        if (work.cancelled())
            return;
        groupings[worker]->groupSizeClass(sizeClass.size, sizeClass.positions, unread[order[item]]);
        work.finished(sizeClass.positions.size());
    });
    for (const Unread& told : unread)
        for (const auto& [path, reason] : told)
            observer.cannotRead(path, reason);
    if (!work.cancelled())
        observer.stepOverall(list.size() - work.told());
}

} // namespace quorvex
