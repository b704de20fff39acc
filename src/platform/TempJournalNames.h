#pragma once
// The parts of TempJournal that every system shares: the names of journal files and
// the removal of the temporary files a journal lists.

#include <string>
#include <string_view>

namespace quorvex::platform {

// "run-<suffix>.journal", with a new suffix of the system's form.
std::string NewJournalName();
bool IsJournalName(std::string_view name);

// Removes the temporary files listed in a journal's bytes (paths, each ended by a NUL
// byte; only names of the "<name>.tmp-<suffix>" form, never folders). True when none
// of them is left.
bool RemoveListedTempFiles(std::string_view journal);

} // namespace quorvex::platform
