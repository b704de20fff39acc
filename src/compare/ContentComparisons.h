#pragma once
// The content comparisons of a folder comparison, run by a worker per core (by one
// reader on a hard disk or a share) in the order the files' data lies on the disk:
// the walk queues each pair of files, and a batch runs when it is full or the walk
// needs its results. Results and the files that could not be read come back in queue order,
// so the rows and the messages are the same whatever the number of workers.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cache/CacheRun.h"
#include "cache/ContentHash.h"
#include "common/ObservedWork.h"
#include "common/RunObserver.h"
#include "common/WorkerPool.h"

namespace quorvex {

class ContentBuffers;

class ContentComparisons
{
public:
    // `threads` as WorkerPool takes it (0: one per core). With `cache`, a pair whose
    // whole-file hashes it holds, equal, is 100 % without reading either file, and the
    // files of equal size read whole leave their hashes in it.
    ContentComparisons(RunObserver& observer, unsigned threads = 0,
                       cache::ScanCache* cache = nullptr);
    ~ContentComparisons();

    // Queues the comparison of the files of row `row`; `bytes` is A's size.
    void add(std::size_t row, std::string pathA, std::string pathB, std::uint64_t bytes);
    bool full() const;

    // Runs the queued comparisons, keeping the observer's user interface alive and
    // passing on its cancel; then tells the observer of unreadable files and hands
    // each row its percentage (-1 when a file could not be opened), in queue order.
    void finish(const std::function<void(std::size_t row, int percent)>& apply);

private:
    struct Comparison
    {
        std::size_t row = 0;
        std::string pathA, pathB;
        std::uint64_t bytes = 0;
        int percent = -1;
        std::vector<std::pair<std::string, std::string>> unread; // path, reason
        cache::FileStamp stampA, stampB; // as the files were before they were read
        bool hashed = false;             // both read whole into hashA and hashB
        cache::ContentHash hashA, hashB;
    };
    class WorkerObserver;
    class WholeHashes;
    // Takes the stamps of the queued files and gives the pairs the cache knows equal
    // their 100 %; true for each such pair.
    std::vector<bool> lookUpCache();
    // Keeps the hashes of the pairs read whole.
    void storeHashes();

    RunObserver& observer_;
    cache::CacheRun cache_;
    WorkerPool pool_;
    std::vector<std::unique_ptr<ContentBuffers>> buffers_; // one pair per worker
    std::vector<WholeHashes> hashes_;                      // one per worker, with a cache
    std::vector<Comparison> queued_;
    std::uint64_t queuedBytes_ = 0;
    ObservedWork work_; // counts the bytes of A compared
};

} // namespace quorvex
