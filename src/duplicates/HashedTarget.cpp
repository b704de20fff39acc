#include "duplicates/HashedTarget.h"

#include <utility>

namespace quorvex {

HashedTarget::HashedTarget(cache::CacheRun& run, std::string_view path,
                           const platform::DirEntry& entry, RunObserver& observer)
    : run_(run), observer_(observer)
{
    const cache::CachedFile cached = run_.lookup({cache::StampOf(entry)}).front();
    std::string failure;
    hash_ = cached.wholeKnown ? std::optional(cached.whole) : read(path, entry, {}, failure);
}

std::vector<int> HashedTarget::cachedMatches(const std::vector<cache::FileStamp>& stamps)
{
    const std::vector<cache::CachedFile> cached = run_.lookup(stamps);
    std::vector<int> matches;
    matches.reserve(cached.size());
    for (const cache::CachedFile& file : cached)
        matches.push_back(!file.wholeKnown ? -1 : file.whole == *hash_ ? 100 : 0);
    return matches;
}

int HashedTarget::readMatch(const std::string& path, const platform::DirEntry& entry,
                            platform::InputFile file)
{
    std::string failure;
    const std::optional<cache::ContentHash> hash = read(path, entry, std::move(file), failure);
    if (!hash) {
        if (!failure.empty())
            observer_.cannotRead(path, failure);
        return -1;
    }
    return *hash == *hash_ ? 100 : 0;
}

std::optional<cache::ContentHash> HashedTarget::read(std::string_view path,
                                                     const platform::DirEntry& entry,
                                                     platform::InputFile file,
                                                     std::string& failure)
{
    std::optional<cache::ContentHash> hash = cache::HashFile(
        path, entry.size, failure,
        [this] {
            observer_.pumpMessages();
            return !observer_.cancelRequested();
        },
        std::move(file));
    if (hash) {
        cache::CachedFile kept;
        kept.wholeKnown = true;
        kept.whole = *hash;
        run_.store(cache::StampOf(entry), kept);
    }
    return hash;
}

} // namespace quorvex
