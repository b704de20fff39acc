#include "empty/EmptyItemTableReader.h"

#include <algorithm>

#include "common/Filters.h"
#include "common/SavedTable.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

DiskCheck checkOnDisk(const EmptyItemRecord& record)
{
    const std::optional<platform::DirEntry> now = platform::LookupEntry(record.Path);
    if (!now)
        return DiskCheck::Vanished;
    if (FormatAttributeText(now->attributes) != record.AttributeText)
        return DiskCheck::Changed;
    if (!now->isDirectory())
        return now->size == 0 ? DiskCheck::AsListed : DiskCheck::Changed;
    std::vector<platform::DirEntry> entries;
    const bool empty = platform::ListDirectory(record.Path, entries) &&
                       std::ranges::all_of(entries, [](const platform::DirEntry& entry) {
                           return entry.isDotName();
                       });
    return empty ? DiskCheck::AsListed : DiskCheck::Changed;
}

} // namespace

std::string ReadEmptyItemTable(std::string_view text, EmptyItemList& list, std::string& countText)
{
    list.clear();
    SavedTable table;
    const std::string error = ReadSavedTable(
        text, {"Name", "AttributeText", "Path"}, {{"#count", 1}},
        [&list](std::size_t row, std::vector<std::string>& cells) {
            if (row == 0)
                list.clear();
            if (cells[2].empty() || cells[2].find('\0') != std::string::npos)
                return "row " + std::to_string(row + 1) + ": the Path \"" + cells[2] +
                       "\" names no item";
            EmptyItemRecord& record = list.emplace_back();
            record.Name = std::move(cells[0]);
            record.AttributeText = std::move(cells[1]);
            record.Path = std::move(cells[2]);
            return std::string();
        },
        table);
    if (!error.empty()) {
        list.clear();
        return error;
    }
    for (EmptyItemRecord& record : list)
        record.check = checkOnDisk(record);
    countText = std::move(table.extras[0][0]);
    return {};
}

} // namespace quorvex
