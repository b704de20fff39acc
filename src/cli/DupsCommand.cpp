// quorvex-cli dups FOLDER... / identical FILE FOLDER: the duplicate and identical-file
// searches, rows as the desktop list holds them after the search (or, with --load
// FILE, a saved list of them); with --act, the plan for the files that do not stay,
// printed (--dry-run) or carried out.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "actions/ActionRun.h"
#include "actions/PlanTable.h"
#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/PictureSupport.h"
#include "cli/TerminalProgress.h"
#include "duplicates/DupActions.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupTable.h"
#include "duplicates/DupTableReader.h"
#include "platform/AppPaths.h"
#include "platform/FailureReason.h"
#include "platform/FileIdentity.h"
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

// --keep under=DIR in the spelling of the list's folders: the searched folder that
// holds DIR, followed by DIR's path below it. Empty when no searched folder holds it.
std::string KeepFolderAsListed(const CliOptions& options, const std::vector<std::string>& folders)
{
    const std::string wanted =
        platform::WithTrailingSeparator(platform::CanonicalPath(options.keepFolder));
    for (const std::string& folder : folders) {
        const std::string root = platform::WithTrailingSeparator(platform::CanonicalPath(folder));
        if (wanted.starts_with(root)) // the list's folders end in one separator
            return platform::WithOneTrailingSeparator(folder) + wanted.substr(root.size());
    }
    return {};
}

// What the actions refuse for a result found as `scope` says; empty when nothing.
std::string ActionOptionsRefusal(const CliOptions& options, const DupSearchScope& scope,
                                 std::string& keepFolder)
{
    const std::vector<std::string>& folders = scope.folders;
    if (const InputRefusal refusal = ActionRefusal(*options.act, scope))
        return RefusalWords(refusal);
    if (*options.act == ActionKind::Move) {
        const std::optional<platform::DirEntry> there = platform::LookupEntry(options.moveFolder);
        if (there && !there->isDirectory())
            return "フォルダ [ " + options.moveFolder + " ]\n\nフォルダではありません。";
    }
    if (options.keep == KeepRule::UnderFolder) {
        if (!platform::IsExistingFolder(options.keepFolder))
            return RefusalWords({RefusalReason::UnknownFolder, options.keepFolder});
        keepFolder = KeepFolderAsListed(options, folders);
        if (keepFolder.empty())
            return "フォルダ [ " + options.keepFolder + " ]\n\n検索するフォルダの中にありません。";
    }
    return {};
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

// Carries the plan out; each item not done is named on standard error. Returns how many.
std::size_t RunPlan(const ActionPlan& plan, const CliOptions& options,
                    const std::string& journalFolder, std::vector<ActionOutcome>& outcomes)
{
    {
        TerminalProgress progress(options.progress);
        outcomes = RunActionPlan(plan, {progress, journalFolder, {}});
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
    return failures;
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
        if (planned.refusal)
            return Refuse(RefusalWords(planned.refusal));
        for (std::size_t row : planned.notAsListed)
            std::fprintf(stderr, "quorvex-cli: cannot %s %s: %s\n",
                         std::string(ActionWord(*options.act)).c_str(),
                         list.RecordPath(list[row]).c_str(), kNotAsListedWords.data());
        unreadCount += planned.notAsListed.size();
        // Sized before anything changes, so that the run says what its dry run said.
        const std::vector<std::uint64_t> freed = BytesFreedByItems(planned.plan);
        if (options.dryRun) {
            status = WriteResult(PlanTable(planned.plan, freed), options, unreadCount);
        } else if (!JournalWritable(planned.plan, journalFolder)) {
            // Said once, rather than as the failure of every file.
            std::fprintf(stderr, "quorvex-cli: cannot write in %s: %s\n",
                         TsvField(journalFolder).c_str(), platform::LastFailureText().c_str());
            return kExitFailure;
        } else {
            std::vector<ActionOutcome> outcomes;
            const std::size_t failures = RunPlan(planned.plan, options, journalFolder, outcomes);
            status = WriteResult(PlanTable(planned.plan, freed, outcomes), options,
                                 unreadCount + failures);
        }
    }
    if (status != kExitFailure && run.nothingFound)
        std::fprintf(stderr, "%s\n", NothingFoundWords(identical).c_str());
    return status;
}

} // namespace quorvex::cli
