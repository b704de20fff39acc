// quorvex-cli empty FOLDER: the empty-item search, sorted by name as after a search.
#include <cstdio>
#include <string>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "empty/EmptyItemSearch.h"
#include "empty/EmptyItemTable.h"
#include "platform/FileSystem.h"

namespace quorvex::cli {

int RunEmptyCommand(const CliOptions& options)
{
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
