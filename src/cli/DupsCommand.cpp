// quorvex-cli dups FOLDER / identical FILE FOLDER: the duplicate and identical-file
// searches, rows as the desktop list holds them after the search.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/ResultWriter.h"
#include "cli/TerminalProgress.h"
#include "duplicates/DupSearch.h"
#include "platform/TextFile.h"

namespace quorvex::cli {

namespace {

std::optional<FilterSettings> FiltersFromOptions(const CliOptions& options)
{
    FilterSettings filters;
    filters.includeHidden = options.hidden;
    filters.includeSystem = options.system;
    if (options.masks) {
        std::optional<std::vector<std::string>> masks = platform::ReadTextLines(*options.masks);
        if (!masks)
            return std::nullopt;
        filters.useMasks = true;
        filters.exclusion = options.exclude;
        filters.activeMasks = std::move(*masks);
    }
    return filters;
}

} // namespace

int RunDupsCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters) {
        std::fprintf(stderr, "quorvex-cli: the mask file %s cannot be read\n",
                     options.masks->c_str());
        return kExitFailure;
    }
    const bool identical = options.command == "identical";
    const std::string fileText = identical ? options.operands.at(0) : std::string();
    const std::string& folderText = options.operands.back();

    DupList list;
    DupSearchRun run;
    {
        TerminalProgress progress(options.progress);
        const DupSearchParams params{*filters, options.threshold, progress};
        run = StartDupSearch(fileText, folderText, params, list);
    }
    if (!run.ran) {
        std::fprintf(stderr, "%s\n", run.refusal.c_str());
        return kExitRefused;
    }

    ResultWriter writer({"name", "content", "size", "date", "folder", "group", "band"});
    for (const TDupRecord& record : list.records())
        writer.addRow({list.name(record), ContentText(record), SizeDigits(record), DateText(record),
                       list.folder(record), GroupText(record), BandText(record)});
    if (!writer.write(options.format)) {
        std::fputs("quorvex-cli: the result could not be written\n", stderr);
        return kExitFailure;
    }
    if (!run.notice.empty())
        std::fprintf(stderr, "%s\n", run.notice.c_str());
    return kExitOk;
}

} // namespace quorvex::cli
