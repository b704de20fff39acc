#pragma once
// A folder list that FolderTable wrote (TSV or JSON), read back into rows whose table
// writes the same text again, each row checked against the disk: a folder that is no
// longer there is marked so.

#include <string>
#include <string_view>
#include <vector>

#include "common/DiskCheck.h"
#include "duplicates/FolderGroups.h"

namespace quorvex {

// Replaces `rows` with the rows of `text` and `checks` with how each stands on the
// disk; an empty text on success, else what is wrong (and both are empty).
std::string ReadFolderTable(std::string_view text, std::vector<FolderRow>& rows,
                            std::vector<DiskCheck>& checks);

} // namespace quorvex
