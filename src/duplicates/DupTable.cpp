#include "duplicates/DupTable.h"

#include <string>

namespace quorvex {

ResultWriter DupTable(const DupList& list, std::string_view referenceWord)
{
    // Each row's texts are made as it is written: a list of a million rows is never
    // held a second time as texts.
    return ResultWriter({"name", "content", "size", "date", "folder", "group", "band"}, list.size(),
                        [&list, reference = std::string(referenceWord)](std::size_t row) {
                            const TDupRecord& record = list[row];
                            return std::vector<std::string>{
                                list.name(record),   ContentText(record, reference),
                                SizeDigits(record),  DateText(record),
                                list.folder(record), GroupText(record),
                                BandText(record)};
                        });
}

} // namespace quorvex
