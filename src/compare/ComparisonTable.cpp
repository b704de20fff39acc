#include "compare/ComparisonTable.h"

namespace quorvex {

ResultWriter ComparisonTable(const ComparisonEngine& engine, const ComparisonWords& words)
{
    // Each row's texts are made as it is written: a list of a million rows is never
    // held a second time as texts.
    const ComparisonList& rows = engine.rows();
    ResultWriter table({"Name", "cell0", "cell1", "cell2", "cell3", "cell4", "cell5", "cell6"},
                       rows.size(), [&rows, words](std::size_t index) {
                           const ComparisonRow& row = rows[index];
                           std::vector<std::string> fields{rows.name(row, words)};
                           for (int cell = 0; cell < kCellCount; ++cell)
                               fields.push_back(rows.cell(row, cell, words));
                           return fields;
                       });
    table.addExtra("#columns", {engine.captionA(), engine.captionB()});
    table.addExtra("#header", {engine.contentHeader(words)});
    return table;
}

} // namespace quorvex
