#pragma once
// A record of the temporary files that a run creates beside users' files, so that a
// later start can remove those a killed run left behind, as the temporary files of
// the program's own state files are removed. Each run keeps its own journal file in
// the program's data folder, locked while the run lives (the system releases the lock
// when the process ends, also when it is killed); each temporary path is written to
// it before the file is made.
//
//   TempJournal journal(UserDataDir());
//   if (journal.note(temp)) { make temp; ...; rename or remove it; journal.settle(); }

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace quorvex::platform {

class TempJournal
{
public:
    // The journal goes into `folder` (with a trailing separator), made at the first note.
    explicit TempJournal(std::string folder);
    // Removes the journal when every noted file was settled; otherwise leaves it for
    // RemoveLeftoversOfRuns.
    ~TempJournal();
    TempJournal(const TempJournal&) = delete;
    TempJournal& operator=(const TempJournal&) = delete;

    // Makes the journal now (the first note would), so that a run can tell before it
    // acts that it cannot be written; false then, with LastFailureText().
    bool prepare() { return open(); }
    // Records `tempPath` before it is made (several threads may note and settle at once). False
    // when the journal cannot be written (LastFailureText() says why): the temporary file must not
    // be made then.
    bool note(std::string_view tempPath);
    // A noted file is gone again: renamed into place or removed.
    void settle();

private:
    // Each system's part: the journal file made and locked, a record appended, the
    // file closed (and its lock released).
    bool open();
    bool append(std::string_view record);
    void close();

    std::string folder_;
    std::string path_;
    std::intptr_t handle_ = -1; // the system's descriptor or handle of the open journal
    std::mutex mutex_;          // over the journal file and the count
    std::uint64_t unsettled_ = 0;
};

// Removes, for every journal in `folder` that no live run holds, the temporary files
// it lists (only names of the "<name>.tmp-<suffix>" form that are not folders), then
// the journal. Called at start, before a run could make new ones.
void RemoveLeftoversOfRuns(std::string_view folder);

} // namespace quorvex::platform
