#include "empty/EmptyItemTable.h"

namespace quorvex {

ResultWriter EmptyItemTable(const EmptyItemList& list, std::string countText)
{
    ResultWriter table({"Name", "AttributeText", "Path"});
    for (const EmptyItemRecord& record : list)
        table.addRow({record.Name, record.AttributeText, record.Path});
    table.addExtra("#count", {std::move(countText)});
    return table;
}

} // namespace quorvex
