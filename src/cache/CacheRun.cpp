#include "cache/CacheRun.h"

#include <utility>

namespace quorvex::cache {

namespace {

// Times are kept at this coarse a tick on some file systems (FAT: two seconds).
constexpr std::int64_t kTimeTickNs = 2'000'000'000;
// A transaction at least this often, or this large: a kill loses at most that much.
constexpr auto kWriteEvery = std::chrono::milliseconds(250);
constexpr std::size_t kWriteBatch = 4096;
constexpr std::size_t kWriteBytes = 8 << 20;

std::int64_t NowNs()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

CacheRun::CacheRun(ScanCache* cache)
    : cache_(cache), newestKeptNs_(NowNs() - kTimeTickNs),
      lastWrite_(std::chrono::steady_clock::now())
{
}

CacheRun::~CacheRun()
{
    flush();
}

std::vector<CachedFile> CacheRun::lookup(const std::vector<FileStamp>& stamps)
{
    return cache_ != nullptr ? cache_->lookup(stamps) : std::vector<CachedFile>(stamps.size());
}

void CacheRun::lookupSketches(const std::vector<FileStamp>& stamps,
                              const std::function<void(std::size_t, std::string_view)>& found)
{
    if (cache_ != nullptr)
        cache_->lookupSketches(stamps, found);
}

void CacheRun::store(const FileStamp& stamp, const CachedFile& values, std::string sketch)
{
    if (cache_ == nullptr || !stamp.known() || stamp.lastWriteNs > newestKeptNs_)
        return;
    std::vector<CacheWrite> batch;
    {
        const std::lock_guard lock(mutex_);
        pendingBytes_ += sketch.size();
        pending_.push_back({stamp, values, std::move(sketch)});
        const auto now = std::chrono::steady_clock::now();
        if (pending_.size() < kWriteBatch && pendingBytes_ < kWriteBytes &&
            now - lastWrite_ < kWriteEvery)
            return;
        lastWrite_ = now;
        pendingBytes_ = 0;
        batch = std::exchange(pending_, {});
    }
    cache_->write(batch);
}

void CacheRun::flush()
{
    if (cache_ == nullptr)
        return;
    std::vector<CacheWrite> batch;
    {
        const std::lock_guard lock(mutex_);
        batch = std::exchange(pending_, {});
        pendingBytes_ = 0;
    }
    cache_->write(batch);
}

} // namespace quorvex::cache
