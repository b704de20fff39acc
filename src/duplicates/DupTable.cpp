#include "duplicates/DupTable.h"

namespace quorvex {

ResultWriter DupTable(const DupList& list, std::string_view referenceWord)
{
    ResultWriter table({"name", "content", "size", "date", "folder", "group", "band"});
    for (const TDupRecord& record : list.records())
        table.addRow({list.name(record), ContentText(record, referenceWord), SizeDigits(record),
                      DateText(record), list.folder(record), GroupText(record), BandText(record)});
    return table;
}

} // namespace quorvex
