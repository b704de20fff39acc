#include "compare/ContentComparisons.h"

#include <memory>

#include "common/ContentCompare.h"

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

ContentComparisons::ContentComparisons(RunObserver& observer, unsigned threads)
    : observer_(observer), pool_(threads), buffers_(pool_.size()),
      work_(observer, &RunObserver::addWorkDone)
{
}

ContentComparisons::~ContentComparisons() = default;

void ContentComparisons::add(std::size_t row, std::string pathA, std::string pathB,
                             std::uint64_t bytes)
{
    queued_.push_back({row, std::move(pathA), std::move(pathB), bytes, -1, {}});
    queuedBytes_ += bytes;
}

bool ContentComparisons::full() const
{
    return queued_.size() >= kBatchFiles || queuedBytes_ >= kBatchBytes;
}

void ContentComparisons::finish(const std::function<void(std::size_t row, int percent)>& apply)
{
    work_.run(pool_, queued_.size(), [&](std::size_t item, unsigned worker) {
        if (!buffers_[worker]) // made by the worker that uses them
            buffers_[worker] = std::make_unique<ContentBuffers>();
        Comparison& comparison = queued_[item];
        WorkerObserver observer(work_.cancelFlag(), comparison);
        CompareContents(comparison.pathA, comparison.pathB, 0, comparison.percent,
                        *buffers_[worker], observer);
        work_.finished(comparison.bytes);
    });
    for (Comparison& comparison : queued_) {
        for (const auto& [path, reason] : comparison.unread)
            observer_.cannotRead(path, reason);
        apply(comparison.row, comparison.percent);
    }
    queued_.clear();
    queuedBytes_ = 0;
}

} // namespace quorvex
