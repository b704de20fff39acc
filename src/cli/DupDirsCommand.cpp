// quorvex-cli dupdirs FOLDER...: folders equal to, contained in or similar to other
// folders, one row per folder; with --act, the plan for the files of the folders that
// do not stay, printed (--dry-run) or carried out. dupdirs --load FILE: a saved list
// of it.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/PlanSupport.h"
#include "cli/TerminalProgress.h"
#include "duplicates/DupSelection.h"
#include "duplicates/FolderActions.h"
#include "duplicates/FolderGroups.h"
#include "duplicates/FolderTable.h"
#include "duplicates/FolderTableReader.h"
#include "platform/AppPaths.h"
#include "platform/TempJournal.h"

namespace quorvex::cli {

namespace {

// dupdirs --load FILE: the saved list, each folder that is gone named.
int RunLoadedFolderList(const CliOptions& options)
{
    const std::optional<std::string> text = ReadLoadedList(options);
    if (!text)
        return kExitFailure;
    std::vector<FolderRow> rows;
    std::vector<DiskCheck> checks;
    if (std::string error = ReadFolderTable(*text, rows, checks); !error.empty())
        return RefuseLoadedList(options, error);
    std::size_t notAsListed = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        notAsListed += ReportNotAsListed(rows[i].path, checks[i]) ? 1 : 0;
    return WriteResult(FolderTable(rows), options, notAsListed);
}

} // namespace

int RunDupDirsCommand(const CliOptions& options)
{
    if (options.load)
        return RunLoadedFolderList(options);
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;
    const std::vector<std::string>& folders = options.operands;
    std::string keepFolder;
    if (options.act) {
        // The files acted on were found equal byte for byte, whatever the threshold.
        if (std::string refusal = ActionOptionsRefusal(options, {folders, {}, 100}, keepFolder);
            !refusal.empty()) {
            std::fprintf(stderr, "%s\n", refusal.c_str());
            return kExitRefused;
        }
    }
    // What a killed run left goes before the search, which would list it.
    const bool acting = options.act && !options.dryRun;
    const std::string journalFolder =
        acting ? ActionJournalFolder(platform::UserDataDir()) : std::string();
    if (acting)
        platform::RemoveLeftoversOfRuns(journalFolder);

    FolderGroups groups;
    std::size_t unreadCount = 0;
    SearchOutcome outcome;
    const std::unique_ptr<cache::ScanCache> cache = OpenCacheForSearch(options);
    {
        TerminalProgress progress(options.progress);
        FolderSearchParams params{*filters, {options.threshold, options.layout}, progress};
        params.threads = options.threads;
        params.cache = cache.get();
        outcome = SearchFolderGroups(folders, params, groups);
        unreadCount = progress.unreadCount();
    }
    TellCacheProblem(cache.get());
    if (!outcome.ran) {
        std::fprintf(stderr, "%s\n", RefusalWords(outcome.refusal).c_str());
        return kExitRefused;
    }

    int status;
    if (!options.act) {
        status = WriteResult(FolderTable(groups.rows()), options, unreadCount);
    } else {
        DupList files = FilesOfChosenFolders(groups, ChooseFolders(groups, options.keep, keepFolder,
                                                                   ReplacesContents(*options.act)));
        LeaveOutOfAction(files,
                         *options.act == ActionKind::Move ? options.moveFolder : std::string());
        const DupPlan planned = PlanForRows(files, {folders, {}, 100}, SelectAllButReference(files),
                                            *options.act, options.moveFolder);
        status = CarryOutPlan(files, planned, options, journalFolder, unreadCount);
    }
    if (status != kExitFailure && groups.rows().empty())
        std::fprintf(stderr, "重複するフォルダはありませんでした。\n");
    return status;
}

} // namespace quorvex::cli
