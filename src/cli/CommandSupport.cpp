#include "cli/CommandSupport.h"

#include <cstdio>

#include "actions/ActionRun.h"
#include "actions/PlanTable.h"
#include "cache/CacheLocation.h"
#include "cli/CliWords.h"
#include "cli/TerminalProgress.h"
#include "platform/FailureReason.h"
#include "platform/TextFile.h"

namespace quorvex::cli {

std::optional<FilterSettings> FiltersFromOptions(const CliOptions& options)
{
    FilterSettings filters;
    filters.includeHidden = options.hidden;
    filters.includeSystem = options.system;
    if (options.masks) {
        bool complete = true;
        const auto bytes = platform::ReadFileHead(*options.masks, kMaskFileLimit, complete);
        if (!bytes) {
            std::fprintf(stderr, "quorvex-cli: cannot read %s: %s\n", options.masks->c_str(),
                         platform::LastFailureText().c_str());
            return std::nullopt;
        }
        if (!complete) {
            std::fprintf(stderr, "quorvex-cli: the mask file %s is larger than %llu MiB\n",
                         options.masks->c_str(),
                         static_cast<unsigned long long>(kMaskFileLimit >> 20));
            return std::nullopt;
        }
        filters.useMasks = true;
        filters.exclusion = options.exclude;
        filters.activeMasks = platform::SplitDecodedLines(*bytes);
    }
    return filters;
}

namespace {

void TellCacheUnused(const std::string& problem)
{
    std::fprintf(stderr, "quorvex-cli: not using the scan cache: %s\n", problem.c_str());
}

} // namespace

std::unique_ptr<cache::ScanCache> OpenCacheForSearch(const CliOptions& options)
{
    if (options.noCache)
        return nullptr;
    std::string problem;
    std::unique_ptr<cache::ScanCache> opened =
        cache::ScanCache::Open(cache::DefaultCachePath(), problem);
    if (!opened)
        TellCacheUnused(problem);
    return opened;
}

void TellCacheProblem(const cache::ScanCache* cache)
{
    if (cache != nullptr && !cache->problem().empty())
        TellCacheUnused(cache->problem());
}

std::optional<std::string> ReadLoadedList(const CliOptions& options)
{
    std::optional<std::string> bytes = platform::ReadWholeFile(*options.load);
    if (!bytes)
        std::fprintf(stderr, "quorvex-cli: cannot read %s: %s\n", options.load->c_str(),
                     platform::LastFailureText().c_str());
    return bytes;
}

int RefuseLoadedList(const CliOptions& options, const std::string& error)
{
    std::fprintf(stderr, "quorvex-cli: %s: %s\n", options.load->c_str(), error.c_str());
    return kExitRefused;
}

bool ReportNotAsListed(const std::string& path, DiskCheck check)
{
    if (check == DiskCheck::AsListed)
        return false;
    std::fprintf(stderr, "quorvex-cli: %s: %s since the list was saved\n", path.c_str(),
                 check == DiskCheck::Vanished ? "vanished" : "changed");
    return true;
}

int PrintOrRunPlan(const ActionPlan& plan, const CliOptions& options,
                   const std::string& journalFolder, std::size_t unreadCount, TrashList* ownTrash)
{
    const std::vector<std::uint64_t> bytes = PlanRowBytes(plan);
    if (options.dryRun)
        return WriteResult(PlanTable(plan, bytes), options, unreadCount);
    if (!JournalWritable(plan, journalFolder)) {
        // Said once, rather than as the failure of every file.
        std::fprintf(stderr, "quorvex-cli: cannot write in %s: %s\n",
                     TsvField(journalFolder).c_str(), platform::LastFailureText().c_str());
        return kExitFailure;
    }
    std::vector<ActionOutcome> outcomes;
    {
        TerminalProgress progress(options.progress);
        PlanRunSettings settings{progress, journalFolder, {}};
        settings.ownTrash = ownTrash;
        outcomes = RunActionPlan(plan, settings);
    }
    std::size_t failures = 0;
    for (std::size_t i = 0; i < plan.items.size(); ++i) {
        if (!outcomes[i].failed())
            continue;
        ++failures;
        const PlannedAction& item = plan.items[i];
        // One line a failure: the path as TSV writes it, so that no name breaks it.
        std::fprintf(stderr, "quorvex-cli: cannot %s %s: %s\n",
                     std::string(ActionWord(item.kind)).c_str(), TsvField(item.path).c_str(),
                     ActionFailureWords(item, outcomes[i]).c_str());
    }
    return WriteResult(PlanTable(plan, bytes, outcomes), options, unreadCount + failures);
}

int WriteResult(const ResultWriter& writer, const CliOptions& options, std::size_t unreadCount)
{
    if (writer.write(options.format))
        return unreadCount == 0 ? kExitOk : kExitIncomplete;
    std::fputs("quorvex-cli: cannot write the result\n", stderr);
    return kExitFailure;
}

} // namespace quorvex::cli
