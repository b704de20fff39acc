#include "compare/ComparisonTable.h"

namespace quorvex {

ResultWriter ComparisonTable(const ComparisonEngine& engine, const ComparisonWords& words)
{
    ResultWriter table({"Name", "cell0", "cell1", "cell2", "cell3", "cell4", "cell5", "cell6"});
    for (const ComparisonRow& row : engine.rows()) {
        std::vector<std::string> fields{row.name(words)};
        for (int cell = 0; cell < kCellCount; ++cell)
            fields.push_back(row.cell(cell, words));
        table.addRow(std::move(fields));
    }
    table.addExtra("#columns", {engine.captionA(), engine.captionB()});
    table.addExtra("#header", {engine.contentHeader(words)});
    return table;
}

} // namespace quorvex
