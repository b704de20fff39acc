// quorvex-cli dups FOLDER / identical FILE FOLDER: the duplicate and identical-file
// searches, rows as the desktop list holds them after the search.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupTable.h"

namespace quorvex::cli {

int RunDupsCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;
    const bool identical = options.command == "identical";
    const std::string fileText = identical ? options.operands.at(0) : std::string();
    const std::string& folderText = options.operands.back();
    // An empty FILE would make the desktop program's duplicate search of it.
    if (identical && fileText.empty()) {
        std::fprintf(stderr, "%s\n", PathErrorText(fileText, "ファイル").c_str());
        return kExitRefused;
    }

    DupList list;
    DupSearchRun run;
    std::size_t unreadCount = 0;
    {
        TerminalProgress progress(options.progress);
        DupSearchParams params{*filters, options.threshold, progress};
        params.threads = options.threads;
        run = StartDupSearch(fileText, folderText, params, list);
        unreadCount = progress.unreadCount();
    }
    if (!run.ran) {
        std::fprintf(stderr, "%s\n", run.refusal.c_str());
        return kExitRefused;
    }
    if (run.targetUnreadable) // named on standard error by the run
        return kExitRefused;

    const int status = WriteResult(DupTable(list), options, unreadCount);
    if (status != kExitFailure && !run.notice.empty())
        std::fprintf(stderr, "%s\n", run.notice.c_str());
    return status;
}

} // namespace quorvex::cli
