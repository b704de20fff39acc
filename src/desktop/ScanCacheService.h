#pragma once
// The scan cache as the pages use it: on or off by the Option page's "キャッシュを使う",
// opened at the first search that wants it and kept open for the next ones. A cache
// that cannot be used never stops a search: the page is told why, once.

#include <cstdint>
#include <memory>
#include <string>

#include "cache/ScanCache.h"

#include <QCoreApplication>
#include <QString>

class ScanCacheService
{
    Q_DECLARE_TR_FUNCTIONS(ScanCacheService)

public:
    ScanCacheService(std::string path, bool enabled);
    ~ScanCacheService();

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // The cache for a search about to start: null when it is off or cannot be used.
    quorvex::cache::ScanCache* forSearch();
    // The notice that a search ran without the cache, and why: once, the first time
    // it was left aside; empty otherwise.
    QString takeNotice();

    // Its size on disk (0 when there is none yet).
    std::uint64_t bytesOnDisk();
    // Empties it; false with `problem` set when that failed.
    bool clear(std::string& problem);

private:
    quorvex::cache::ScanCache* opened();

    std::string path_;
    bool enabled_;
    std::unique_ptr<quorvex::cache::ScanCache> cache_;
    std::string openProblem_;
    bool told_ = false;
};
