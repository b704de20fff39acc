#include "duplicates/DupTableReader.h"

#include <algorithm>
#include <cstdint>
#include <set>

#include "common/SavedTable.h"
#include "platform/DosTime.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

enum Field
{
    Name,
    Content,
    Size,
    Date,
    Folder,
    Group,
    Band,
    FieldCount
};

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

// The calendar fields as if they were UTC, in seconds since the epoch.
std::int64_t fieldSeconds(const platform::CalendarTime& t)
{
    return daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) *
               86400 +
           t.hour * 3600 + t.minute * 60 + t.second;
}

// The seconds since the epoch whose local time is the date cell "yyyy/mm/dd hh:nn";
// the cell is checked by writing the result again, so a wrong one gives some time.
std::int64_t readDateCell(std::string_view cell)
{
    auto number = [&](std::size_t at, std::size_t digits) {
        int value = 0;
        for (std::size_t i = at; i < at + digits && i < cell.size(); ++i)
            value = value * 10 + (cell[i] >= '0' && cell[i] <= '9' ? cell[i] - '0' : 0);
        return value;
    };
    platform::CalendarTime wanted{number(0, 4),
                                  std::clamp(number(5, 2), 1, 12),
                                  std::clamp(number(8, 2), 1, 31),
                                  number(11, 2),
                                  number(14, 2),
                                  0};
    // The local offset at the time found so far, applied again until it holds (at
    // most a few steps: offsets change rarely).
    const std::int64_t target = fieldSeconds(wanted);
    std::int64_t seconds = target;
    for (int step = 0; step < 4; ++step) {
        const std::int64_t off = target - fieldSeconds(platform::ToLocalCalendar({seconds, 0}));
        if (off == 0)
            break;
        seconds += off;
    }
    return seconds;
}

std::string rowError(std::size_t row, std::string_view field, std::string_view cell)
{
    return "row " + std::to_string(row + 1) + ": the " + std::string(field) + " \"" +
           std::string(cell) + "\" is not one this list can hold";
}

// One record from a row's cells, or an error text.
std::string addRecord(const std::vector<std::string>& cells, std::size_t row, DupList& list)
{
    static const char* const kNames[] = {"name",   "content", "size", "date",
                                         "folder", "group",   "band"};
    const std::string& folder = cells[Folder];
    const std::string& name = cells[Name];
    if (folder.empty() || !platform::IsSeparatorAt(folder, folder.size() - 1) ||
        folder.find('\0') != std::string::npos)
        return rowError(row, kNames[Folder], folder);
    if (name.empty() || name.find('\0') != std::string::npos ||
        platform::FindLastSeparator(name) != std::string_view::npos)
        return rowError(row, kNames[Name], name);

    std::uint64_t size = 0;
    std::uint64_t group = 0;
    if (!ReadDecimal(cells[Size], UINT64_MAX, size))
        return rowError(row, kNames[Size], cells[Size]);
    if (!cells[Group].empty() && (!ReadDecimal(cells[Group], UINT32_MAX, group) || group == 0))
        return rowError(row, kNames[Group], cells[Group]);

    if (list.empty() || list.folder(list.records().back()) != folder)
        list.enterFolder(folder);
    platform::DirEntry entry;
    entry.name = name;
    entry.size = size;
    entry.lastWrite.seconds = readDateCell(cells[Date]);
    TDupRecord& record = list.add(entry);
    record.group = static_cast<std::uint32_t>(group);
    record.band = cells[Band] == "0" ? 0 : cells[Band] == "1" ? 1 : kBandEmpty;
    const std::string& content = cells[Content];
    std::uint64_t percent = 0;
    if (content.empty())
        record.content = kContentNotJudged;
    else if (!content.ends_with('%'))
        record.content = kContentReference;
    else if (ReadDecimal(std::string_view(content).substr(0, content.size() - 1), 100, percent))
        record.content = static_cast<std::int8_t>(percent);
    else
        return rowError(row, kNames[Content], content);

    // Each cell must come out of the record as it went in: the list then writes the
    // same text again.
    const std::string reference = record.content == kContentReference ? content : std::string();
    const std::string made[] = {name,
                                ContentText(record, reference),
                                SizeDigits(record),
                                DateText(record),
                                folder,
                                GroupText(record),
                                BandText(record)};
    for (int field = 0; field < FieldCount; ++field)
        if (made[field] != cells[static_cast<std::size_t>(field)])
            return rowError(row, kNames[field], cells[static_cast<std::size_t>(field)]);
    return {};
}

// Marks the rows whose files are not as listed; a row that checks takes its file's
// exact time (its date cell stays).
void checkOnDisk(DupList& list)
{
    for (TDupRecord& record : list.records()) {
        const std::optional<platform::DirEntry> now =
            platform::LookupEntry(list.RecordPath(record));
        if (!now || now->isDirectory()) {
            record.check = DiskCheck::Vanished;
            continue;
        }
        TDupRecord found = record;
        found.lastWrite = now->lastWrite.seconds;
        if (now->size != record.size || DateText(found) != DateText(record)) {
            record.check = DiskCheck::Changed;
            continue;
        }
        record.lastWrite = found.lastWrite;
    }
}

} // namespace

std::string ReadDupTable(std::string_view text, DupList& list)
{
    list.clear();
    SavedTable table;
    const std::string error = ReadSavedTable(
        text, {"name", "content", "size", "date", "folder", "group", "band"}, {},
        [&list](std::size_t row, std::vector<std::string>& cells) {
            if (row == 0)
                list.clear();
            return addRecord(cells, row, list);
        },
        table);
    if (!error.empty()) {
        list.clear();
        return error;
    }
    checkOnDisk(list);
    return {};
}

DupSearchScope ReopenedScope(const DupList& list)
{
    DupSearchScope scope;
    std::set<std::string> folders;
    for (const TDupRecord& record : list.records()) {
        folders.insert(list.folder(record));
        if (record.content >= 0)
            scope.threshold = std::min<int>(scope.threshold, record.content);
    }
    scope.folders.assign(folders.begin(), folders.end());
    return scope;
}

} // namespace quorvex
