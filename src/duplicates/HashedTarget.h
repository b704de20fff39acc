#pragma once
// The identical-file search at 100 % with the scan cache: a file matches the target
// when the hashes of their whole contents are equal. A file whose hash the cache
// holds is not read; any other is read once, whole, and its hash kept.

#include <optional>
#include <string>
#include <string_view>

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
    // 100 when the file's contents equal the target's, else 0; -1 when it cannot be
    // read (told to the observer) or the run was cancelled.
    int match(const std::string& path, const platform::DirEntry& entry);

private:
    std::optional<cache::ContentHash> hashOf(std::string_view path, const platform::DirEntry& entry,
                                             std::string& failure);

    cache::CacheRun& run_;
    RunObserver& observer_;
    std::optional<cache::ContentHash> hash_;
};

} // namespace quorvex
