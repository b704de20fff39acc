#include "common/WorkerPool.h"

#include <algorithm>
#include <chrono>

namespace quorvex {

unsigned ProcessorCores()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

WorkerPool::WorkerPool(unsigned threads)
{
    const unsigned cores = ProcessorCores();
    threads = threads == 0 ? cores : std::min(threads, kWorkersPerCore * cores);
    for (unsigned worker = 0; worker < threads; ++worker)
        threads_.emplace_back([this, worker] { work(worker); });
}

WorkerPool::~WorkerPool()
{
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void WorkerPool::run(std::size_t count, const Task& task, const std::function<void()>& idle,
                     int idleMilliseconds)
{
    if (count == 0)
        return;
    std::unique_lock lock(mutex_);
    task_ = &task;
    count_ = count;
    next_ = 0;
    finished_ = 0;
    ++job_;
    wake_.notify_all();
    while (finished_ < count_) {
        if (done_.wait_for(lock, std::chrono::milliseconds(idleMilliseconds),
                           [this] { return finished_ == count_; }))
            break;
        lock.unlock();
        idle();
        lock.lock();
    }
    task_ = nullptr;
}

void WorkerPool::work(unsigned worker)
{
    std::unique_lock lock(mutex_);
    std::size_t seenJob = 0;
    for (;;) {
        wake_.wait(lock, [&] { return closing_ || (job_ != seenJob && next_ < count_); });
        if (closing_)
            return;
        while (next_ < count_) {
            const std::size_t item = next_++;
            const Task& task = *task_;
            lock.unlock();
            task(item, worker);
            lock.lock();
            if (++finished_ == count_)
                done_.notify_all();
        }
        seenJob = job_;
    }
}

} // namespace quorvex
