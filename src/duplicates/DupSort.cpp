#include "duplicates/DupSort.h"

#include <algorithm>
#include <array>
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

// The place of each content value (indexed as its byte) in the order of
// CompareWithinGroup, so that the group sort compares numbers instead of texts.
std::array<std::uint8_t, 256> WithinGroupRanks()
{
    std::array<std::int8_t, 256> values;
    for (int i = 0; i < 256; ++i)
        values[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(i);
    const auto compare = [](std::int8_t a, std::int8_t b) {
        TDupRecord ra, rb;
        ra.content = a;
        rb.content = b;
        return CompareWithinGroup(ra, rb);
    };
    std::ranges::sort(values, [&](std::int8_t a, std::int8_t b) { return compare(a, b) < 0; });
    std::array<std::uint8_t, 256> ranks{};
    std::uint8_t rank = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0 && compare(values[i - 1], values[i]) != 0)
            ++rank;
        ranks[static_cast<std::uint8_t>(values[i])] = rank;
    }
    return ranks;
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
    case kCellGroup: {
        // The group number (rows without a group, numbered 0, first), then the row's
        // place within its group: one number per row.
        static const std::array<std::uint8_t, 256> ranks = WithinGroupRanks();
        std::vector<std::uint64_t> keys(records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            keys[i] = std::uint64_t{records[i].group} << 8 |
                      ranks[static_cast<std::uint8_t>(records[i].content)];
        SortRows(list, ascending, [&](std::size_t a, std::size_t b) {
            return int(keys[a] > keys[b]) - int(keys[a] < keys[b]);
        });
        break;
    }
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
