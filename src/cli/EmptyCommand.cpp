// quorvex-cli empty FOLDER: the empty-item search, sorted by name as after a search.
#include <cstdio>
#include <string>

#include "cli/Commands.h"
#include "cli/ResultWriter.h"
#include "empty/EmptyItemSearch.h"
#include "platform/FileSystem.h"

namespace quorvex::cli {

int RunEmptyCommand(const CliOptions& options)
{
    const std::string& folder = options.operands.at(0);
    if (!platform::IsExistingFolder(folder)) {
        std::fprintf(stderr, "フォルダ [ %s ]\n\nファイルパスが不明です。\n", folder.c_str());
        return kExitRefused;
    }
    FilterSettings settings;
    settings.includeHidden = options.hidden;
    settings.includeSystem = options.system;

    EmptyItemList list;
    std::size_t counter = 0;
    SearchEmptyItems(folder, counter, list, settings, silentObserver());
    SortEmptyItemsByName(list);

    ResultWriter writer({"Name", "AttributeText", "Path"});
    for (EmptyItemRecord& record : list)
        writer.addRow(
            {std::move(record.Name), std::move(record.AttributeText), std::move(record.Path)});
    writer.addExtra("#count", {FormatItemCount(counter)});
    if (!writer.write(options.format)) {
        std::fputs("quorvex-cli: the result could not be written\n", stderr);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace quorvex::cli
