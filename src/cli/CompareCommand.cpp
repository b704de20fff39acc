// quorvex-cli compare: the folder comparison, printed as the list holds it after a run.
#include <cstdio>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "compare/ComparisonEngine.h"
#include "compare/ComparisonTable.h"

namespace quorvex::cli {

int RunCompareCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;

    TerminalProgress progress(options.progress);
    ComparisonEngine engine(*filters, progress);
    const std::unique_ptr<cache::ScanCache> cache =
        options.content ? OpenCacheForSearch(options) : nullptr;
    engine.setCache(cache.get());
    const ComparisonOutcome outcome =
        engine.StartComparison(options.operands.at(0), options.operands.at(1), options.content);
    TellCacheProblem(cache.get());
    if (!outcome.carriedOut) {
        std::fprintf(stderr, "%s\n", RefusalWords(outcome.refusal).c_str());
        return kExitRefused;
    }

    return WriteResult(ComparisonTable(engine, ComparisonCellWords()), options,
                       progress.unreadCount());
}

} // namespace quorvex::cli
