#pragma once
// The identical-file search at 100 % with the scan cache: a file matches the target
// when the hashes of their whole contents are equal. A file whose hash the cache
// holds is not read; any other is read once, whole, and its hash kept.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cache/CacheRun.h"
#include "common/RunObserver.h"
#include "platform/FileSystem.h"

namespace quorvex {

class HashedTarget
{
public:
    // The target's hash, from the cache or read; not known when it cannot be read.
    // Files are read with the observer's messages pumped and its cancel heeded.
    HashedTarget(cache::CacheRun& run, std::string_view path, const platform::DirEntry& entry,
                 RunObserver& observer);

    bool known() const { return hash_.has_value(); }
    // For each file of these stamps: 100 or 0 where the cache holds its hash, so that
    // it needs no read; -1 where it is to be read (readMatch).
    std::vector<int> cachedMatches(const std::vector<cache::FileStamp>& stamps);
    // Reads the file whole and keeps its hash: 100 when its contents equal the
    // target's, else 0; -1 when it cannot be read (told to the observer) or the run was
    // cancelled. `file`, where handed over open, is read as it is.
    int readMatch(const std::string& path, const platform::DirEntry& entry,
                  platform::InputFile file = {});

private:
    std::optional<cache::ContentHash> read(std::string_view path, const platform::DirEntry& entry,
                                           platform::InputFile file, std::string& failure);

    cache::CacheRun& run_;
    RunObserver& observer_;
    std::optional<cache::ContentHash> hash_;
};

} // namespace quorvex
