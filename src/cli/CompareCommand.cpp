// quorvex-cli compare: the folder comparison, printed as the list holds it after a run;
// compare --load FILE A B: a saved list of it.
#include <cstdio>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "compare/ComparisonEngine.h"
#include "compare/ComparisonTable.h"
#include "compare/ComparisonTableReader.h"

namespace quorvex::cli {

namespace {

// compare --load FILE A B: the saved list, each row checked against the disk.
int WriteLoadedComparison(const CliOptions& options, ComparisonEngine& engine)
{
    const std::optional<std::string> text = ReadLoadedList(options);
    if (!text)
        return kExitFailure;
    const std::string& pathA = options.operands.at(0);
    const std::string& pathB = options.operands.at(1);
    const ComparisonWords& words = ComparisonCellWords();
    if (std::string error = ReadComparisonTable(*text, pathA, pathB, words, engine); !error.empty())
        return RefuseLoadedList(options, error);
    const ComparisonList& rows = engine.rows();
    std::size_t notAsListed = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ComparisonRow& row = rows[i];
        const bool sideB = !row.hasA();
        const std::string path =
            rows.entryPath(row, sideB ? engine.RootB() : engine.RootA(), rows.sideName(row, sideB));
        notAsListed += ReportNotAsListed(path, row.check()) ? 1 : 0;
    }
    return WriteResult(ComparisonTable(engine, words), options, notAsListed);
}

} // namespace

int RunCompareCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;

    TerminalProgress progress(options.progress);
    ComparisonEngine engine(*filters, progress);
    if (options.load)
        return WriteLoadedComparison(options, engine);
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
