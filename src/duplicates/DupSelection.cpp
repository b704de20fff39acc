#include "duplicates/DupSelection.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace quorvex {

namespace {

// The rows of each group in list order, groups in the order of their first rows.
std::vector<std::vector<std::size_t>> rowsByGroup(const DupList& list)
{
    std::vector<std::vector<std::size_t>> groups;
    std::unordered_map<std::uint32_t, std::size_t> slot;
    for (std::size_t row = 0; row < list.size(); ++row) {
        const std::uint32_t group = list[row].group;
        if (group == 0)
            continue;
        const auto [at, added] = slot.try_emplace(group, groups.size());
        if (added)
            groups.emplace_back();
        groups[at->second].push_back(row);
    }
    return groups;
}

// Selects, group by group, the rows that test that `pickIn(rows of the group)` makes
// accepts, leaving at least one row of every group unselected; the result is in
// row order.
template <typename PickIn>
std::vector<std::size_t> selectInGroups(const DupList& list, PickIn pickIn)
{
    std::vector<bool> selected(list.size(), false);
    for (const std::vector<std::size_t>& rows : rowsByGroup(list)) {
        const auto pick = pickIn(rows);
        std::size_t count = 0;
        for (std::size_t row : rows)
            if (pick(row)) {
                selected[row] = true;
                ++count;
            }
        if (count == rows.size())
            selected[rows.front()] = false;
    }
    std::vector<std::size_t> result;
    for (std::size_t row = 0; row < selected.size(); ++row)
        if (selected[row])
            result.push_back(row);
    return result;
}

// The part of a second of the row's file's time, read from the disk: a record keeps
// whole seconds. 0 when the file is gone or its time is no longer the listed one.
std::int64_t NanosecondsOnDisk(const DupList& list, std::size_t row)
{
    const std::optional<platform::DirEntry> entry =
        platform::LookupEntry(list.RecordPath(list[row]));
    return entry && entry->lastWrite.seconds == list[row].lastWrite ? entry->lastWrite.nanoseconds
                                                                    : 0;
}

// Every row of a group except the first with the time that `better` prefers; times
// equal to the second are told apart by their nanoseconds.
template <typename Better>
std::vector<std::size_t> selectAllButByTime(const DupList& list, Better better)
{
    return selectInGroups(list, [&](const std::vector<std::size_t>& rows) {
        std::size_t kept = rows.front();
        for (std::size_t row : rows) {
            const std::int64_t time = list[row].lastWrite, keptTime = list[kept].lastWrite;
            if (better(time, keptTime) ||
                (time == keptTime && row != kept &&
                 better(NanosecondsOnDisk(list, row), NanosecondsOnDisk(list, kept))))
                kept = row;
        }
        return [kept](std::size_t row) { return row != kept; };
    });
}

} // namespace

std::vector<std::size_t> SelectAllButReference(const DupList& list)
{
    return selectInGroups(list, [&](const std::vector<std::size_t>&) {
        return [&](std::size_t row) { return list[row].content != kContentReference; };
    });
}

std::vector<std::size_t> SelectAllButNewest(const DupList& list)
{
    return selectAllButByTime(list, [](std::int64_t a, std::int64_t b) { return a > b; });
}

std::vector<std::size_t> SelectAllButOldest(const DupList& list)
{
    return selectAllButByTime(list, [](std::int64_t a, std::int64_t b) { return a < b; });
}

std::vector<std::size_t> SelectDuplicatesInFolder(const DupList& list, std::string_view folder)
{
    return selectInGroups(list, [&](const std::vector<std::size_t>&) {
        return [&](std::size_t row) {
            return list[row].content != kContentReference &&
                   std::string_view(list.folder(list[row])).starts_with(folder);
        };
    });
}

std::vector<std::size_t> SelectOutsideFolder(const DupList& list, std::string_view folder)
{
    const auto inFolder = [&](std::size_t row) {
        return std::string_view(list.folder(list[row])).starts_with(folder);
    };
    return selectInGroups(list, [&](const std::vector<std::size_t>& rows) {
        const bool hasCopyThere = std::ranges::any_of(rows, inFolder);
        return [&, hasCopyThere](std::size_t row) { return hasCopyThere && !inFolder(row); };
    });
}

} // namespace quorvex
