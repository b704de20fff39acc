#pragma once
// The parts of TempJournal that every system shares: the names of journal files and
// the removal of what dead runs left; and what each system provides for them.

#include <string>
#include <string_view>

namespace quorvex::platform {

// "run-<suffix>.journal", with a new suffix of the system's form.
std::string NewJournalName();
bool IsJournalName(std::string_view name);

// The bytes of the journal at `path` when no live run holds it (each system's lock).
bool ReadUnheldJournal(const std::string& path, std::string& bytes);

} // namespace quorvex::platform
