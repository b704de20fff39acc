#pragma once
// One search's use of the scan cache: looks entries up, and collects what the
// search computes from workers on any thread into transactions of bounded size, so
// that a run stopped or killed at any instant keeps nearly all it read. Without a
// cache every call does nothing.

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "cache/ScanCache.h"

namespace quorvex::cache {

class CacheRun
{
public:
    explicit CacheRun(ScanCache* cache);
    ~CacheRun(); // writes what is still pending
    CacheRun(const CacheRun&) = delete;
    CacheRun& operator=(const CacheRun&) = delete;

    bool active() const { return cache_ != nullptr; }
    std::vector<CachedFile> lookup(const std::vector<FileStamp>& stamps);
    void lookupSketches(const std::vector<FileStamp>& stamps,
                        const std::function<void(std::size_t, std::string_view)>& found);
    // Keeps the hashes (and the sketch, where given) of a file read during this run. A
    // file written in the last seconds before the run began is not kept: a later write
    // within the same tick of its time could leave the time unchanged.
    void store(const FileStamp& stamp, const CachedFile& values, std::string sketch = {});
    void flush();

private:
    ScanCache* cache_;
    std::int64_t newestKeptNs_;
    std::mutex mutex_;
    std::vector<CacheWrite> pending_;
    std::size_t pendingBytes_ = 0; // of the pending sketches
    std::chrono::steady_clock::time_point lastWrite_;
};

} // namespace quorvex::cache
