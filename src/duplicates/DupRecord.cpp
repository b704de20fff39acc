#include "duplicates/DupRecord.h"

#include <algorithm>
#include <cstdio>

#include "platform/DosTime.h"
#include "platform/FileSystem.h"

namespace quorvex {

void DupList::enterFolder(std::string folder)
{
    // A folder without files leaves no entry behind.
    if (!folders_.empty() && !folderUsed_)
        folders_.back() = std::move(folder);
    else
        folders_.push_back(std::move(folder));
    folderUsed_ = false;
}

TDupRecord& DupList::add(const platform::DirEntry& entry)
{
    folderUsed_ = true;
    TDupRecord& record = records_.emplace_back();
    record.size = entry.size;
    record.lastWrite = entry.lastWrite.seconds;
    record.nameOffset = names_.size();
    record.folderIndex = static_cast<std::uint32_t>(folders_.size() - 1);
    names_.append(entry.name);
    names_.push_back('\0');
    return record;
}

std::string DupList::RecordPath(const TDupRecord& record) const
{
    return folder(record) + name(record);
}

void DupList::removeRows(std::vector<std::size_t> rows)
{
    std::vector<bool> doomed(records_.size(), false);
    for (std::size_t row : rows)
        if (row < doomed.size())
            doomed[row] = true;
    std::size_t index = 0;
    std::erase_if(records_, [&](const TDupRecord&) { return doomed[index++]; });
    compact();
}

void DupList::relocate(std::size_t row, std::string folder)
{
    folders_.push_back(std::move(folder));
    records_.at(row).folderIndex = static_cast<std::uint32_t>(folders_.size() - 1);
    folderUsed_ = true; // the new last folder is in use: enterFolder must not reuse it
}

void DupList::removeUngrouped()
{
    std::erase_if(records_, [](const TDupRecord& record) { return record.group == 0; });
    compact();
}

void DupList::clear()
{
    records_ = {};
    names_ = {};
    folders_ = {};
    folderUsed_ = false;
}

void DupList::compact()
{
    std::string names;
    std::vector<std::string> folders;
    std::vector<std::uint32_t> newFolderIndex(folders_.size(), UINT32_MAX);
    for (TDupRecord& record : records_) {
        const std::uint64_t offset = names.size();
        names.append(name(record));
        names.push_back('\0');
        record.nameOffset = offset;
        std::uint32_t& mapped = newFolderIndex[record.folderIndex];
        if (mapped == UINT32_MAX) {
            mapped = static_cast<std::uint32_t>(folders.size());
            folders.push_back(std::move(folders_[record.folderIndex]));
        }
        record.folderIndex = mapped;
    }
    records_.shrink_to_fit();
    names_ = std::move(names);
    folders_ = std::move(folders);
    folderUsed_ = true;
}

std::string ContentText(const TDupRecord& record, std::string_view referenceWord)
{
    if (record.content == kContentReference)
        return std::string(referenceWord);
    if (record.content < 0)
        return {};
    return std::to_string(record.content) + "%";
}

std::string SizeDigits(const TDupRecord& record)
{
    return std::to_string(record.size);
}

std::string DateText(const TDupRecord& record)
{
    const platform::CalendarTime t = platform::ToLocalCalendar({record.lastWrite, 0});
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

std::string GroupText(const TDupRecord& record)
{
    return record.group == 0 ? std::string() : std::to_string(record.group);
}

std::string BandText(const TDupRecord& record)
{
    return record.band < 0 ? std::string() : std::to_string(record.band);
}

} // namespace quorvex
