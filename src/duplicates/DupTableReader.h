#pragma once
// A duplicate or identical-file list that DupTable wrote (TSV or JSON), read back
// into a DupList whose table writes the same text again, and each row checked
// against the disk: a file that vanished, or whose size or time cell differs now, is
// marked (TDupRecord::check) and never acted on; a row that checks takes the file's
// exact time, which the actions compare when they act.
//
//   DupList list;
//   if (std::string error = ReadDupTable(text, list); !error.empty()) refuse(error);
//   PlanForRows(list, ReopenedScope(list), rows, kind);

#include <string>
#include <string_view>

#include "duplicates/DupActions.h"
#include "duplicates/DupRecord.h"

namespace quorvex {

// Replaces `list` with the rows of `text`; an empty text on success, else what is
// wrong (and `list` is empty). The content cell of a group's reference row may hold
// any word that does not end in "%", so that a list saved in either language opens.
std::string ReadDupTable(std::string_view text, DupList& list);

// What acting on a reopened list needs of its search: the folders of its rows (a
// move keeps the paths below the deepest one holding them all) and the lowest
// percentage it shows (100 without one).
DupSearchScope ReopenedScope(const DupList& list);

} // namespace quorvex
