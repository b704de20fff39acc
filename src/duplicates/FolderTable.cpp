#include "duplicates/FolderTable.h"

#include <string>

namespace quorvex {

ResultWriter FolderTable(const std::vector<FolderRow>& rows)
{
    return ResultWriter(
        {"folder", "size", "files", "relation", "group"}, rows.size(), [&rows](std::size_t at) {
            const FolderRow& row = rows[at];
            return std::vector<std::string>{row.path, std::to_string(row.bytes),
                                            std::to_string(row.files), RelationText(row),
                                            std::to_string(row.group)};
        });
}

} // namespace quorvex
