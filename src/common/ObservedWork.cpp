#include "common/ObservedWork.h"

namespace quorvex {

ObservedWork::ObservedWork(RunObserver& observer, Tell tell)
    : observer_(observer), tell_(tell), cancel_(observer.cancelRequested())
{
}

void ObservedWork::run(WorkerPool& pool, std::size_t count, const WorkerPool::Task& task)
{
    if (observer_.cancelRequested())
        cancel_ = true;
    pool.run(count, task, [this] {
        observer_.pumpMessages();
        look();
    });
    look();
}

void ObservedWork::look()
{
    if (observer_.cancelRequested())
        cancel_ = true;
    const std::uint64_t done = done_.load(std::memory_order_relaxed);
    (observer_.*tell_)(done - told_);
    told_ = done;
}

} // namespace quorvex
