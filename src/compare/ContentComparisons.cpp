#include "compare/ContentComparisons.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "common/ContentCompare.h"
#include "common/ReadPlan.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

// A batch is large enough that the workers rarely wait for each other at its end,
// and small enough that the walk's listing and its results are not held up long.
constexpr std::size_t kBatchFiles = 4096;
constexpr std::uint64_t kBatchBytes = std::uint64_t{256} << 20;

} // namespace

// What a worker tells: the files it could not read (kept for the caller's thread)
// and the cancel the caller's thread has seen.
class ContentComparisons::WorkerObserver : public RunObserver
{
public:
    WorkerObserver(const std::atomic<bool>& cancel, Comparison& comparison)
        : cancel_(cancel), comparison_(comparison)
    {
    }
    bool cancelRequested() const override { return cancel_.load(std::memory_order_relaxed); }
    void cannotRead(const std::string& path, const std::string& reason) override
    {
        comparison_.unread.emplace_back(path, reason);
    }

private:
    const std::atomic<bool>& cancel_;
    Comparison& comparison_;
};

// Hashes both files of a comparison from the blocks it reads, and counts them: the
// hashes are whole only when every byte of each file went through.
class ContentComparisons::WholeHashes : public ContentBlockSink
{
public:
    void blocks(const void* a, std::size_t bytesA, const void* b, std::size_t bytesB) override
    {
        hasherA_.add(a, bytesA);
        hasherB_.add(b, bytesB);
        readA_ += bytesA;
        readB_ += bytesB;
    }
    // Compares `comparison` (its files as CompareContents takes them) through this
    // sink and, where both files were read whole without a failure, gives it their hashes.
    void compare(Comparison& comparison, platform::InputFile fileA, platform::InputFile fileB,
                 ContentBuffers& buffers, RunObserver& observer)
    {
        hasherA_.reset();
        hasherB_.reset();
        readA_ = readB_ = 0;
        CompareContents(comparison.pathA, std::move(fileA), comparison.pathB, std::move(fileB), 0,
                        comparison.percent, buffers, observer, this);
        comparison.hashed = comparison.unread.empty() && !observer.cancelRequested() &&
                            comparison.stampA.known() && comparison.stampB.known() &&
                            readA_ == comparison.stampA.size && readB_ == comparison.stampB.size;
        if (comparison.hashed) {
            comparison.hashA = hasherA_.result();
            comparison.hashB = hasherB_.result();
        }
    }

private:
    cache::ContentHasher hasherA_, hasherB_;
    std::uint64_t readA_ = 0, readB_ = 0;
};

ContentComparisons::ContentComparisons(RunObserver& observer, unsigned threads,
                                       cache::ScanCache* cache)
    : observer_(observer), cache_(cache), pool_(threads), buffers_(pool_.size()),
      hashes_(cache_.active() ? pool_.size() : 0), work_(observer, &RunObserver::addWorkDone)
{
}

ContentComparisons::~ContentComparisons() = default;

void ContentComparisons::add(std::size_t row, std::string pathA, std::string pathB,
                             std::uint64_t bytes)
{
    Comparison& comparison = queued_.emplace_back();
    comparison.row = row;
    comparison.pathA = std::move(pathA);
    comparison.pathB = std::move(pathB);
    comparison.bytes = bytes;
    queuedBytes_ += bytes;
}

bool ContentComparisons::full() const
{
    return queued_.size() >= kBatchFiles || queuedBytes_ >= kBatchBytes;
}

std::vector<bool> ContentComparisons::lookUpCache()
{
    std::vector<bool> equal(queued_.size());
    if (!cache_.active())
        return equal;
    // A look at each file (no read) gives the stamps the cache knows files by.
    const auto stampOf = [](const std::string& path) {
        const std::optional<platform::DirEntry> entry = platform::LookupEntry(path);
        return entry ? cache::StampOf(*entry) : cache::FileStamp{};
    };
    std::vector<cache::FileStamp> stamps;
    for (Comparison& comparison : queued_) {
        comparison.stampA = stampOf(comparison.pathA);
        comparison.stampB = stampOf(comparison.pathB);
        stamps.push_back(comparison.stampA);
        stamps.push_back(comparison.stampB);
    }
    const std::vector<cache::CachedFile> known = cache_.lookup(stamps);
    for (std::size_t i = 0; i < queued_.size(); ++i)
        equal[i] = known[2 * i].wholeKnown && known[2 * i + 1].wholeKnown &&
                   known[2 * i].whole == known[2 * i + 1].whole;
    return equal;
}

void ContentComparisons::storeHashes()
{
    for (const Comparison& comparison : queued_)
        if (comparison.hashed)
            for (const auto& [stamp, hash] : {std::pair{comparison.stampA, comparison.hashA},
                                              std::pair{comparison.stampB, comparison.hashB}}) {
                cache::CachedFile values;
                values.wholeKnown = true;
                values.whole = hash;
                cache_.store(stamp, values);
            }
    cache_.flush();
}

void ContentComparisons::finish(const std::function<void(std::size_t row, int percent)>& apply)
{
    const std::vector<bool> equal = lookUpCache();
    // The pairs in the order A's data lies on the disk (B is most often a copy of A,
    // written in the same order); the pairs the cache knows are not opened.
    const ReadPlan plan = PlanReads(
        queued_.size(),
        [&](std::size_t item, unsigned, platform::InputFile& file) {
            return !equal[item] && file.open(queued_[item].pathA);
        },
        pool_, work_);
    // The files opened for hints, kept open for the reads: each worker's A and B.
    std::vector<HintedFiles> hintedA(pool_.size()), hintedB(pool_.size());
    const auto hint = [&](std::size_t item, unsigned worker) {
        if (equal[item])
            return;
        platform::InputFile fileA, fileB;
        HintStartOf(queued_[item].pathA, fileA);
        HintStartOf(queued_[item].pathB, fileB);
        hintedA[worker].keep(item, std::move(fileA));
        hintedB[worker].keep(item, std::move(fileB));
    };
    RunPlanned(plan, pool_, work_, hint, [&](std::size_t item, unsigned worker) {
        Comparison& comparison = queued_[item];
        if (equal[item]) {
            comparison.percent = 100;
            work_.finished(comparison.bytes);
            return;
        }
        if (!buffers_[worker]) // made by the worker that uses them
            buffers_[worker] = std::make_unique<ContentBuffers>();
        WorkerObserver observer(work_.cancelFlag(), comparison);
        platform::InputFile fileA = hintedA[worker].take(item);
        platform::InputFile fileB = hintedB[worker].take(item);
        if (cache_.active())
            hashes_[worker].compare(comparison, std::move(fileA), std::move(fileB),
                                    *buffers_[worker], observer);
        else
            CompareContents(comparison.pathA, std::move(fileA), comparison.pathB,
                            std::move(fileB), 0, comparison.percent, *buffers_[worker], observer);
        work_.finished(comparison.bytes);
    });
    if (cache_.active())
        storeHashes();
    for (Comparison& comparison : queued_) {
        for (const auto& [path, reason] : comparison.unread)
            observer_.cannotRead(path, reason);
        apply(comparison.row, comparison.percent);
    }
    queued_.clear();
    queuedBytes_ = 0;
}

} // namespace quorvex
