// quorvex-cli compare: the folder comparison, printed as the list holds it after a run.
#include <cstdio>

#include "cli/CommandSupport.h"
#include "cli/Commands.h"
#include "cli/TerminalProgress.h"
#include "compare/ComparisonEngine.h"

namespace quorvex::cli {

int RunCompareCommand(const CliOptions& options)
{
    const std::optional<FilterSettings> filters = FiltersFromOptions(options);
    if (!filters)
        return kExitFailure;

    TerminalProgress progress(options.progress);
    ComparisonEngine engine(*filters, progress);
    const ComparisonOutcome outcome =
        engine.StartComparison(options.operands.at(0), options.operands.at(1), options.content);
    if (!outcome.carriedOut) {
        std::fprintf(stderr, "%s\n", outcome.warning.c_str());
        return kExitRefused;
    }

    ResultWriter writer({"Name", "cell0", "cell1", "cell2", "cell3", "cell4", "cell5", "cell6"});
    for (const ComparisonRow& row : engine.rows()) {
        std::vector<std::string> fields{row.name()};
        for (int cell = 0; cell < kCellCount; ++cell)
            fields.push_back(row.cell(cell));
        writer.addRow(std::move(fields));
    }
    writer.addExtra("#columns", {engine.captionA(), engine.captionB()});
    writer.addExtra("#header", {engine.contentHeader()});
    return WriteResult(writer, options, progress.unreadCount());
}

} // namespace quorvex::cli
