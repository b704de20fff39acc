// quorvex-cli empty FOLDER: the empty-item search, sorted by name as after a search;
// empty --load FILE: a saved list of it; --act trash|delete: its items deleted through
// the plan of the desktop page's deletion.
#include <cstdio>
#include <numeric>
#include <string>

#include "cli/CliWords.h"
#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "empty/EmptyItemDeletion.h"
#include "empty/EmptyItemSearch.h"
#include "empty/EmptyItemTable.h"
#include "empty/EmptyItemTableReader.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "platform/InstanceLock.h"
#include "trash/TrashStore.h"

namespace quorvex::cli {

namespace {

// --act trash keeps each deleted item in the program's trash list, as the desktop
// page does, so that its trash page can make it again. Nothing is deleted unless the
// list can be read whole and written back, nor while the desktop program runs.
int ActOnEmptyItems(const EmptyItemList& list, const CliOptions& options, std::size_t unreadCount)
{
    std::vector<std::size_t> rows(list.size());
    std::iota(rows.begin(), rows.end(), std::size_t{0});
    const ActionPlan plan = PlanEmptyItemDeletion(list, rows, *options.act);
    if (options.dryRun || !TraitsOf(*options.act).usesOwnTrash)
        return PrintOrRunPlan(plan, options, {}, unreadCount);

    // The desktop program holds the list while it runs and writes it back whole: the
    // entries of this run would be lost then. Holding its lock also keeps it from
    // starting meanwhile.
    platform::InstanceLock lock;
    if (!lock.tryAcquire() && lock.heldByAnother()) {
        std::fputs("quorvex-cli: the desktop program is running and holds the trash list; "
                   "nothing was deleted\n",
                   stderr);
        return kExitFailure;
    }
    const std::string dataDir = platform::UserDataDir();
    const std::string trashFile = TrashListPath(dataDir);
    TrashList trash;
    const bool whole = LoadTrashList(trash, trashFile) != platform::StateFileRead::InPart;
    if (!whole || !platform::CreateFolderWithParents(dataDir) || !SaveTrashList(trash, trashFile)) {
        std::fprintf(stderr, "quorvex-cli: cannot %s the trash list %s; nothing was deleted\n",
                     whole ? "write" : "read", TsvField(trashFile).c_str());
        return kExitFailure;
    }
    const int status = PrintOrRunPlan(plan, options, {}, unreadCount, &trash);
    if (!SaveTrashList(trash, trashFile)) {
        std::fprintf(stderr, "quorvex-cli: cannot write the trash list %s\n",
                     TsvField(trashFile).c_str());
        return kExitFailure;
    }
    return status;
}

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
    if (options.act)
        return ActOnEmptyItems(list, options, notAsListed);
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

    if (options.act)
        return ActOnEmptyItems(list, options, progress.unreadCount());
    return WriteResult(EmptyItemTable(list, ItemCountWords(counter)), options,
                       progress.unreadCount());
}

} // namespace quorvex::cli
