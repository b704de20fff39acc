// quorvex-cli dups FOLDER... / identical FILE FOLDER: the duplicate and identical-file
// searches, rows as the desktop list holds them after the search (or, with --load
// FILE, a saved list of them); with --act, the plan for the files that do not stay,
// printed (--dry-run) or carried out.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "actions/ActionRun.h"
#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/PictureSupport.h"
#include "cli/PlanSupport.h"
#include "cli/TerminalProgress.h"
#include "duplicates/DupActions.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupTable.h"
#include "duplicates/DupTableReader.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/TempJournal.h"

namespace quorvex::cli {

namespace {

int Refuse(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    return kExitRefused;
}

// dups|identical --load FILE: the saved list into `list`, each row checked against
// the disk; without --act each row not as listed is named on standard error and
// counted in `unreadCount`. kExitOk, or the status to end with.
int LoadList(const CliOptions& options, DupList& list, std::size_t& unreadCount)
{
    const std::optional<std::string> text = ReadLoadedList(options);
    if (!text)
        return kExitFailure;
    if (std::string error = ReadDupTable(*text, list); !error.empty())
        return RefuseLoadedList(options, error);
    if (!options.act)
        for (const TDupRecord& record : list.records())
            unreadCount += ReportNotAsListed(list.RecordPath(record), record.check) ? 1 : 0;
    return kExitOk;
}

} // namespace

int RunDupsCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;
    const bool identical = options.command == "identical";
    const std::string fileText =
        identical && !options.load ? options.operands.at(0) : std::string();
    const std::vector<std::string> folders(
        options.operands.begin() + (identical && !options.load ? 1 : 0), options.operands.end());
    std::string keepFolder;
    if (options.act && !options.load) {
        if (std::string refusal = ActionOptionsRefusal(
                options, {folders, {}, options.threshold, options.pictures}, keepFolder);
            !refusal.empty())
            return Refuse(refusal);
    }
    // What a killed run left goes before the search, which would list it.
    const bool acting = options.act && !options.dryRun;
    const std::string journalFolder =
        acting ? ActionJournalFolder(platform::UserDataDir()) : std::string();
    if (acting)
        platform::RemoveLeftoversOfRuns(journalFolder);
    // An empty FILE would make the desktop program's duplicate search of it.
    if (identical && !options.load && fileText.empty()) {
        std::fprintf(stderr, "%s\n", RefusalWords({RefusalReason::UnknownFile, fileText}).c_str());
        return kExitRefused;
    }

    DupList list;
    DupSearchRun run;
    std::size_t unreadCount = 0;
    if (options.load) {
        if (const int status = LoadList(options, list, unreadCount); status != kExitOk)
            return status;
        run.scope = ReopenedScope(list);
        if (options.act) {
            if (std::string refusal = ActionOptionsRefusal(options, run.scope, keepFolder);
                !refusal.empty())
                return Refuse(refusal);
        }
    } else {
        const std::unique_ptr<PictureReader> pictures =
            options.pictures ? MakePictureReader() : nullptr;
        if (options.pictures && !pictures) {
            std::fprintf(stderr, "quorvex-cli: this build reads no pictures\n");
            return kExitFailure;
        }
        const std::unique_ptr<cache::ScanCache> cache = OpenCacheForSearch(options);
        {
            TerminalProgress progress(options.progress);
            DupSearchParams params{*filters, options.threshold, progress};
            params.threads = options.threads;
            params.cache = cache.get();
            params.pictures = pictures.get();
            params.pictureTurns = options.rotations;
            run = StartDupSearch(fileText, folders, params, list);
            unreadCount = progress.unreadCount();
        }
        TellCacheProblem(cache.get());
        if (!run.ran)
            return Refuse(RefusalWords(run.refusal));
        if (run.targetUnreadable) // named on standard error by the run
            return kExitRefused;
    }

    int status;
    if (!options.act) {
        status = WriteResult(DupTable(list, kReferenceWord), options, unreadCount);
    } else {
        if (!identical)
            LeaveOutOfAction(list,
                             *options.act == ActionKind::Move ? options.moveFolder : std::string());
        const DupPlan planned =
            PlanForRows(list, run.scope, RowsToActOn(list, options.keep, keepFolder), *options.act,
                        options.moveFolder);
        status = CarryOutPlan(list, planned, options, journalFolder, unreadCount);
    }
    if (status != kExitFailure && run.nothingFound)
        std::fprintf(stderr, "%s\n", NothingFoundWords(identical).c_str());
    return status;
}

} // namespace quorvex::cli
