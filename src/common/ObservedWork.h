#pragma once
// A job of a WorkerPool run for an engine whose observer belongs to the calling
// thread: the workers count the units they finish and read the cancel here, and the
// calling thread pumps the observer's messages, raises the cancel once the observer
// asks to stop, and tells it the units counted since it last looked.

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "common/RunObserver.h"
#include "common/WorkerPool.h"

namespace quorvex {

class ObservedWork
{
public:
    // How the observer hears of finished units (RunObserver::addWorkDone, stepOverall).
    using Tell = void (RunObserver::*)(std::uint64_t);

    ObservedWork(RunObserver& observer, Tell tell);

    // For the workers.
    bool cancelled() const { return cancel_.load(std::memory_order_relaxed); }
    const std::atomic<bool>& cancelFlag() const { return cancel_; }
    void finished(std::uint64_t units) { done_.fetch_add(units, std::memory_order_relaxed); }

    // Runs task(item, worker) for the items [0, count) on `pool`, keeping the observer
    // alive meanwhile; every unit counted is told before it returns.
    void run(WorkerPool& pool, std::size_t count, const WorkerPool::Task& task);
    // The units told so far.
    std::uint64_t told() const { return told_; }

private:
    void look();

    RunObserver& observer_;
    Tell tell_;
    std::atomic<bool> cancel_;
    std::atomic<std::uint64_t> done_ = 0;
    std::uint64_t told_ = 0;
};

} // namespace quorvex
