#pragma once
// An empty-item list that EmptyItemTable wrote (TSV or JSON), read back into records
// whose table writes the same text again, and each row checked against the disk: an
// item that vanished, is no longer empty or whose attributes differ now is marked
// (EmptyItemRecord::check) and never deleted.

#include <string>
#include <string_view>

#include "empty/EmptyItemRecord.h"

namespace quorvex {

// Replaces `list` with the rows of `text` and `countText` with its "#count" text; an
// empty text on success, else what is wrong (and `list` is empty).
std::string ReadEmptyItemTable(std::string_view text, EmptyItemList& list, std::string& countText);

} // namespace quorvex
