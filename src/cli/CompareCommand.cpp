// quorvex-cli compare: the folder comparison, printed as the list holds it after a run.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/ResultWriter.h"
#include "cli/TerminalProgress.h"
#include "compare/ComparisonEngine.h"
#include "platform/TextFile.h"

namespace quorvex::cli {

int RunCompareCommand(const CliOptions& options)
{
    FilterSettings filters;
    filters.includeHidden = options.hidden;
    filters.includeSystem = options.system;
    if (options.masks) {
        auto lines = platform::ReadTextLines(*options.masks);
        if (!lines) {
            std::fprintf(stderr, "quorvex-cli: cannot read the mask file %s\n",
                         options.masks->c_str());
            return kExitFailure;
        }
        filters.useMasks = true;
        filters.exclusion = options.exclude;
        filters.activeMasks = std::move(*lines);
    }

    TerminalProgress progress(options.progress);
    ComparisonEngine engine(filters, progress);
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
    if (!writer.write(options.format)) {
        std::fputs("quorvex-cli: cannot write the result\n", stderr);
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace quorvex::cli
