#include "duplicates/HashedTarget.h"

namespace quorvex {

HashedTarget::HashedTarget(cache::CacheRun& run, std::string_view path,
                           const platform::DirEntry& entry, RunObserver& observer)
    : run_(run), observer_(observer)
{
    std::string failure;
    hash_ = hashOf(path, entry, failure);
}

int HashedTarget::match(const std::string& path, const platform::DirEntry& entry)
{
    std::string failure;
    const std::optional<cache::ContentHash> hash = hashOf(path, entry, failure);
    if (!hash) {
        if (!failure.empty())
            observer_.cannotRead(path, failure);
        return -1;
    }
    return *hash == *hash_ ? 100 : 0;
}

std::optional<cache::ContentHash>
HashedTarget::hashOf(std::string_view path, const platform::DirEntry& entry, std::string& failure)
{
    const cache::FileStamp stamp = cache::StampOf(entry);
    const cache::CachedFile cached = run_.lookup({stamp}).front();
    if (cached.wholeKnown)
        return cached.whole;
    std::optional<cache::ContentHash> hash = cache::HashFile(path, entry.size, failure, [this] {
        observer_.pumpMessages();
        return !observer_.cancelRequested();
    });
    if (hash) {
        cache::CachedFile kept;
        kept.wholeKnown = true;
        kept.whole = *hash;
        run_.store(stamp, kept);
    }
    return hash;
}

} // namespace quorvex
