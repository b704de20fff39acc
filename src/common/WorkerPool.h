#pragma once
// A fixed set of worker threads that run the items of one job at a time while the
// calling thread stays free to keep its user interface alive.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quorvex {

// The processor cores, at least 1.
unsigned ProcessorCores();
// The most workers a pool starts: four per core. More would only take turns on the
// same cores.
inline constexpr unsigned kWorkersPerCore = 4;

class WorkerPool
{
public:
    // `threads` workers, at most kWorkersPerCore per core; 0 means one per core.
    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    unsigned size() const { return static_cast<unsigned>(threads_.size()); }

    // Runs task(item, worker) for every item in [0, count), items handed out in
    // increasing order, `worker` in [0, size()). The calling thread waits and calls
    // `idle` about every `idleMilliseconds` until every item has been run. A task
    // that should stop early returns early; the job still ends when all have run.
    using Task = std::function<void(std::size_t item, unsigned worker)>;
    void run(std::size_t count, const Task& task, const std::function<void()>& idle,
             int idleMilliseconds = 25);

private:
    void work(unsigned worker);

    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable wake_; // a job started, or the pool closes
    std::condition_variable done_; // the last item of a job finished
    const Task* task_ = nullptr;
    std::size_t count_ = 0;
    std::size_t next_ = 0;
    std::size_t finished_ = 0;
    std::size_t job_ = 0;
    bool closing_ = false;
};

} // namespace quorvex
