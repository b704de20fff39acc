#include "desktop/ScanCacheService.h"

#include <utility>

#include "platform/desktop/ShownText.h"

ScanCacheService::ScanCacheService(std::string path, bool enabled)
    : path_(std::move(path)), enabled_(enabled)
{
}

ScanCacheService::~ScanCacheService() = default;

quorvex::cache::ScanCache* ScanCacheService::opened()
{
    if (!cache_ && openProblem_.empty())
        cache_ = quorvex::cache::ScanCache::Open(path_, openProblem_);
    return cache_.get();
}

quorvex::cache::ScanCache* ScanCacheService::forSearch()
{
    return enabled_ ? opened() : nullptr;
}

QString ScanCacheService::takeNotice()
{
    if (told_ || !enabled_)
        return {};
    const std::string problem = cache_ ? cache_->problem() : openProblem_;
    if (problem.empty())
        return {};
    told_ = true;
    return tr("キャッシュを使えないため、キャッシュなしで検索しました。") + QStringLiteral("\n\n") +
           ShownText(problem);
}

std::uint64_t ScanCacheService::bytesOnDisk()
{
    return quorvex::cache::ScanCache::BytesOnDisk(path_);
}

bool ScanCacheService::clear(std::string& problem)
{
    openProblem_.clear(); // a cache that could not be opened before is tried again
    quorvex::cache::ScanCache* cache = opened();
    if (cache == nullptr) {
        problem = openProblem_;
        return false;
    }
    if (cache->clear())
        return true;
    problem = cache->problem();
    return false;
}
