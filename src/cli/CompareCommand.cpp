// quorvex-cli compare: the folder comparison, printed as the list holds it after a run;
// compare --load FILE A B: a saved list of it. With --act, the copies between the two
// sides the rows call for, printed (--dry-run) or carried out.
#include <cstdio>
#include <numeric>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "compare/ComparisonEngine.h"
#include "compare/ComparisonTable.h"
#include "compare/ComparisonTableReader.h"
#include "compare/ComparisonWords.h"
#include "platform/AppPaths.h"
#include "platform/TempJournal.h"

namespace quorvex::cli {

namespace {

// compare --act: the plan of copies for every row, printed or carried out; each entry
// left out and each copy not done is named on standard error.
int ActOnComparison(const CliOptions& options, const ComparisonEngine& engine,
                    const std::string& journalFolder, std::size_t unreadCount)
{
    const ComparisonList& list = engine.rows();
    std::vector<std::size_t> rows(list.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    const CopyPlan planned = PlanCopies(
        list, ScopeOfComparison(engine, options.content), rows, *options.copy, options.onlyMissing,
        options.versioned ? ReplacedKeeping::Versioned : ReplacedKeeping::Trash);
    for (const LeftOut& left : planned.leftOut)
        std::fprintf(stderr, "quorvex-cli: cannot copy %s: %s\n", TsvField(left.path).c_str(),
                     LeftOutWords(left.reason).data());
    unreadCount += planned.leftOut.size();
    return PrintOrRunPlan(planned.plan, options, journalFolder, unreadCount);
}

// compare --load FILE A B: the saved list, each row checked against the disk.
int WriteLoadedComparison(const CliOptions& options, ComparisonEngine& engine,
                          const std::string& journalFolder)
{
    const std::optional<std::string> text = ReadLoadedList(options);
    if (!text)
        return kExitFailure;
    const std::string& pathA = options.operands.at(0);
    const std::string& pathB = options.operands.at(1);
    const ComparisonWords& words = SourceComparisonWords();
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
    if (options.copy)
        return ActOnComparison(options, engine, journalFolder, notAsListed);
    return WriteResult(ComparisonTable(engine, words), options, notAsListed);
}

} // namespace

int RunCompareCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;

    // What a killed run left goes before the comparison, which would list it.
    const bool acting = options.copy && !options.dryRun;
    const std::string journalFolder =
        acting ? ActionJournalFolder(platform::UserDataDir()) : std::string();
    if (acting)
        platform::RemoveLeftoversOfRuns(journalFolder);

    TerminalProgress progress(options.progress);
    ComparisonEngine engine(*filters, progress);
    if (options.load)
        return WriteLoadedComparison(options, engine, journalFolder);
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

    if (options.copy)
        return ActOnComparison(options, engine, journalFolder, progress.unreadCount());
    return WriteResult(ComparisonTable(engine, SourceComparisonWords()), options,
                       progress.unreadCount());
}

} // namespace quorvex::cli
