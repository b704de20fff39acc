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

// Group 1: a reference and two copies, the copies of the same time; group 7: a
// reference and one copy, sorted apart so that the groups interleave.
inline DupList interleaved()
{
    constexpr std::int16_t R = kContentReference;
    return MakeList({
        {"a", R, 1, 10, "/d/", 300},       // 0
        {"p", R, 7, 10, "/d/keep/", 100},  // 1
        {"b", 100, 1, 10, "/d/sub/", 500}, // 2
        {"q", 100, 7, 10, "/d/", 900},     // 3
        {"c", 100, 1, 10, "/d/sub/", 500}, // 4
    });
}

// One line per row: "name content group band".
inline std::vector<std::string> Rows(const DupList& list)
{
    std::vector<std::string> rows;
    for (const TDupRecord& record : list.records())
        rows.push_back(std::string(list.name(record)) + " " + ContentText(record, "基準") + " " +
                       GroupText(record) + " " + BandText(record));
    return rows;
}

} // namespace quorvex::test
