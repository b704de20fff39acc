#pragma once
// Helpers shared by the duplicate search tests: hand-made result lists and a compact
// view of one; their observer is test::RecordingObserver.

#include <functional>
#include <string>
#include <vector>

#include "duplicates/DupRecord.h"
#include "support/RecordingObserver.h"

namespace quorvex::test {

// A hand-made result list, one record per row.
struct Row
{
    const char* name;
    std::int16_t content;
    std::uint32_t group;
    std::uint64_t size = 1;
    const char* folder = "/data/";
    std::int64_t lastWrite = 0; // seconds since the Unix epoch
};

inline DupList MakeList(std::initializer_list<Row> rows)
{
    DupList list;
    for (const Row& row : rows) {
        list.enterFolder(row.folder);
        platform::DirEntry entry;
        entry.name = row.name;
        entry.size = row.size;
        entry.lastWrite.seconds = row.lastWrite;
        TDupRecord& record = list.add(entry);
        record.content = row.content;
        record.group = row.group;
    }
    return list;
}

// One line per row: "name content group band".
inline std::vector<std::string> Rows(const DupList& list)
{
    std::vector<std::string> rows;
    for (const TDupRecord& record : list.records())
        rows.push_back(std::string(list.name(record)) + " " + ContentText(record) + " " +
                       GroupText(record) + " " + BandText(record));
    return rows;
}

} // namespace quorvex::test
