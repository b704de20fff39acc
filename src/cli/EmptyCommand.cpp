// quorvex-cli empty FOLDER: the empty-item search, sorted by name as after a search;
// empty --load FILE: a saved list of it.
#include <cstdio>
#include <string>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "empty/EmptyItemSearch.h"
#include "empty/EmptyItemTable.h"
#include "empty/EmptyItemTableReader.h"
#include "platform/FileSystem.h"

namespace quorvex::cli {

namespace {

// empty --load FILE: the saved list, each row checked against the disk.
int RunLoadedEmptyList(const CliOptions& options)
{
    const std::optional<std::string> text = ReadLoadedList(options);
    if (!text)
        return kExitFailure;
    EmptyItemList list;
    std::string countText;
    if (std::string error = ReadEmptyItemTable(*text, list, countText); !error.empty())
        return RefuseLoadedList(options, error);
    std::size_t notAsListed = 0;
    for (const EmptyItemRecord& record : list)
        notAsListed += ReportNotAsListed(record.Path, record.check) ? 1 : 0;
    return WriteResult(EmptyItemTable(list, countText), options, notAsListed);
}

} // namespace

int RunEmptyCommand(const CliOptions& options)
{
    if (options.load)
        return RunLoadedEmptyList(options);
    const std::string& folder = options.operands.at(0);
    if (!platform::IsExistingFolder(folder)) {
        std::fprintf(stderr, "%s\n", RefusalWords({RefusalReason::UnknownFolder, folder}).c_str());
        return kExitRefused;
    }
    const std::optional<FilterSettings> settings = FiltersFromOptions(options);
    if (!settings)
        return kExitFailure;

    EmptyItemList list;
    std::size_t counter = 0;
    TerminalProgress progress(options.progress);
    SearchEmptyItems(folder, counter, list, *settings, progress);
    SortEmptyItemsByName(list);

    return WriteResult(EmptyItemTable(list, ItemCountWords(counter)), options,
                       progress.unreadCount());
}

} // namespace quorvex::cli
