#include "duplicates/FolderTableReader.h"

#include <cstdint>
#include <limits>

#include "common/SavedTable.h"
#include "platform/FileSystem.h"

namespace quorvex {

namespace {

// The relation cell that RelationText writes, back into the row; false when it is none.
bool ReadRelation(std::string_view text, FolderRow& row)
{
    constexpr std::pair<std::string_view, FolderRelation> kNamed[] = {
        {"基準", FolderRelation::Reference},
        {"同一", FolderRelation::Equal},
        {"同一(構成も同じ)", FolderRelation::EqualLayout},
        {"含まれる", FolderRelation::Contained}};
    for (const auto& [name, relation] : kNamed)
        if (text == name) {
            row.relation = relation;
            return true;
        }
    constexpr std::string_view kSimilar = "類似 ";
    std::uint64_t percent = 0;
    if (!text.starts_with(kSimilar) || !text.ends_with('%') ||
        !ReadDecimal(text.substr(kSimilar.size(), text.size() - kSimilar.size() - 1), 100, percent))
        return false;
    row.relation = FolderRelation::Similar;
    row.percent = static_cast<int>(percent);
    return true;
}

} // namespace

std::string ReadFolderTable(std::string_view text, std::vector<FolderRow>& rows,
                            std::vector<DiskCheck>& checks)
{
    rows.clear();
    checks.clear();
    SavedTable table;
    const std::string error = ReadSavedTable(
        text, {"folder", "size", "files", "relation", "group"}, {},
        [&rows](std::size_t at, std::vector<std::string>& cells) {
            if (at == 0)
                rows.clear();
            const std::string where = "row " + std::to_string(at + 1) + ": ";
            FolderRow row;
            std::uint64_t files = 0, group = 0;
            if (cells[0].empty() || cells[0].find('\0') != std::string::npos)
                return where + "the folder \"" + cells[0] + "\" names no folder";
            if (!ReadDecimal(cells[1], std::numeric_limits<std::uint64_t>::max(), row.bytes) ||
                !ReadDecimal(cells[2], std::numeric_limits<std::uint32_t>::max(), files) ||
                !ReadDecimal(cells[4], std::numeric_limits<std::uint32_t>::max(), group))
                return where + "size, files and group are whole numbers";
            if (!ReadRelation(cells[3], row))
                return where + "\"" + cells[3] + "\" is no relation";
            row.path = std::move(cells[0]);
            row.files = static_cast<std::uint32_t>(files);
            row.group = static_cast<std::uint32_t>(group);
            rows.push_back(std::move(row));
            return std::string();
        },
        table);
    if (!error.empty()) {
        rows.clear();
        return error;
    }
    for (const FolderRow& row : rows)
        checks.push_back(platform::IsExistingFolder(row.path) ? DiskCheck::AsListed
                                                              : DiskCheck::Vanished);
    return {};
}

} // namespace quorvex
