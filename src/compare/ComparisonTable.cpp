#include "compare/ComparisonTable.h"

namespace quorvex {

ResultWriter ComparisonTable(const ComparisonEngine& engine)
{
    ResultWriter table({"Name", "cell0", "cell1", "cell2", "cell3", "cell4", "cell5", "cell6"});
    for (const ComparisonRow& row : engine.rows()) {
        std::vector<std::string> fields{row.name()};
        for (int cell = 0; cell < kCellCount; ++cell)
            fields.push_back(row.cell(cell));
        table.addRow(std::move(fields));
    }
    table.addExtra("#columns", {engine.captionA(), engine.captionB()});
    table.addExtra("#header", {engine.contentHeader()});
    return table;
}

} // namespace quorvex
