// quorvex-cli cache stats|clear|prune: the scan cache's size, emptying it, and
// dropping the entries not used for a long time.

#include <cstdio>
#include <string>

#include "cache/CacheLocation.h"
#include "cache/ScanCache.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"

namespace quorvex::cli {

int RunCacheCommand(const CliOptions& options)
{
    const std::string& what = options.operands.front();
    std::string problem;
    const std::unique_ptr<cache::ScanCache> cache =
        cache::ScanCache::Open(cache::DefaultCachePath(), problem);
    if (!cache) {
        std::fprintf(stderr, "quorvex-cli: cannot open the scan cache %s\n", problem.c_str());
        return kExitFailure;
    }
    ResultWriter writer({"path", "entries", "bytes"});
    if (what == "clear" && !cache->clear()) {
        std::fprintf(stderr, "quorvex-cli: cannot empty the scan cache %s\n",
                     cache->problem().c_str());
        return kExitFailure;
    }
    if (what == "prune")
        writer.addExtra("#pruned",
                        {std::to_string(cache->prune(cache::kPruneAfterDays, cache::kMaxEntries))});
    const cache::CacheStats stats = cache->stats();
    writer.addRow({cache->path(), std::to_string(stats.entries), std::to_string(stats.bytes)});
    return WriteResult(writer, options, 0);
}

} // namespace quorvex::cli
