#include "duplicates/DupSort.h"

#include <algorithm>
#include <numeric>

#include "platform/DosTime.h"
#include "platform/TextOrder.h"

namespace quorvex {

namespace {

int Sign(std::int64_t value)
{
    return (value > 0) - (value < 0);
}

// The numeric reading of a content or group cell; empty cells come before all others.
int CompareNumericValues(bool emptyA, std::int64_t a, bool emptyB, std::int64_t b)
{
    if (emptyA || emptyB)
        return int(!emptyA) - int(!emptyB);
    return Sign(a - b);
}

std::int64_t ContentValue(const TDupRecord& record)
{
    return record.content == kContentReference ? -1 : record.content;
}

// Rows of one group: the reference row first, then the members by their content
// texts ("87%") in reverse, rows without a percentage last.
int CompareWithinGroup(const TDupRecord& a, const TDupRecord& b)
{
    const bool referenceA = a.content == kContentReference;
    const bool referenceB = b.content == kContentReference;
    if (referenceA || referenceB)
        return int(referenceB) - int(referenceA);
    return -platform::CompareText(ContentText(a, {}).c_str(), ContentText(b, {}).c_str());
}

// Local minutes as yyyymmddhhnn: the order of the "yyyy/mm/dd hh:nn" texts.
std::int64_t LocalMinuteKey(const TDupRecord& record)
{
    const platform::CalendarTime t = platform::ToLocalCalendar({record.lastWrite, 0});
    return ((((std::int64_t{t.year} * 100 + t.month) * 100 + t.day) * 100 + t.hour) * 100) +
           t.minute;
}

// Sorts by a three-way comparison of rows; `ascending` false negates it. Sorting a
// permutation keeps the per-row keys in place while the rows move.
template <typename Compare> void SortRows(DupList& list, bool ascending, Compare compare)
{
    std::vector<TDupRecord>& records = list.records();
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int c = compare(a, b);
        return ascending ? c < 0 : c > 0;
    });
    std::vector<TDupRecord> sorted;
    sorted.reserve(records.size());
    for (std::size_t index : order)
        sorted.push_back(records[index]);
    records = std::move(sorted);
}

} // namespace

void SortDupListByName(DupList& list, std::uint32_t sortKey)
{
    const std::vector<TDupRecord>& records = list.records();
    SortRows(list, sortKey != 0, [&](std::size_t a, std::size_t b) {
        return platform::CompareText(list.name(records[a]), list.name(records[b]));
    });
}

void SortDupListByCell(DupList& list, std::uint32_t sortKey)
{
    const std::uint32_t cell = sortKey & 0xFFFF;
    const bool ascending = (sortKey >> 16) != 0;
    const std::vector<TDupRecord>& records = list.records();
    switch (cell) {
    case kCellContent:
        SortRows(list, ascending, [&](std::size_t a, std::size_t b) {
            const TDupRecord &ra = records[a], &rb = records[b];
            return CompareNumericValues(ra.content == kContentNotJudged, ContentValue(ra),
                                        rb.content == kContentNotJudged, ContentValue(rb));
        });
        break;
    case kCellSize:
        SortRows(list, ascending, [&](std::size_t a, std::size_t b) {
            return int(records[a].size > records[b].size) - int(records[a].size < records[b].size);
        });
        break;
    case kCellDate: {
        std::vector<std::int64_t> keys(records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            keys[i] = LocalMinuteKey(records[i]);
        SortRows(list, ascending,
                 [&](std::size_t a, std::size_t b) { return Sign(keys[a] - keys[b]); });
        break;
    }
    case kCellFolder:
        SortRows(list, ascending, [&](std::size_t a, std::size_t b) {
            return platform::CompareText(list.folder(records[a]).c_str(),
                                         list.folder(records[b]).c_str());
        });
        break;
    case kCellGroup:
        SortRows(list, ascending, [&](std::size_t a, std::size_t b) {
            const TDupRecord &ra = records[a], &rb = records[b];
            const int byGroup =
                CompareNumericValues(ra.group == 0, ra.group, rb.group == 0, rb.group);
            if (byGroup != 0)
                return byGroup;
            return CompareWithinGroup(ra, rb);
        });
        break;
    default:
        break;
    }
}

void AssignBands(DupList& list)
{
    std::uint32_t previous = 0; // the empty label
    std::int8_t bit = 0;
    for (TDupRecord& record : list.records()) {
        if (record.group != previous) {
            bit ^= 1;
            previous = record.group;
        }
        record.band = bit;
    }
}

int DupSortState::resetForSearch()
{
    const int previous = sortColumn;
    sortColumn = kGroupColumn;
    sortDirection = 1;
    directionFlags[kGroupColumn] = 0;
    return previous;
}

int DupSortState::clickColumn(DupList& list, int column)
{
    if (column < 0 || column >= kColumnCount)
        return sortColumn;
    const int direction = directionFlags[column];
    if (column == 0)
        SortDupListByName(list, static_cast<std::uint32_t>(direction));
    else
        SortDupListByCell(list, static_cast<std::uint32_t>(direction) * 65536 +
                                    static_cast<std::uint32_t>(column - 1));
    directionFlags[column] = direction ^ 1;
    AssignBands(list);
    const int previous = sortColumn;
    sortColumn = column;
    sortDirection = direction;
    return previous;
}

} // namespace quorvex
