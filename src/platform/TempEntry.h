#pragma once
// A temporary entry that a replacement or move makes beside a file: its name is noted
// in the run's journal before it is made, and it is removed again when it goes out of
// scope, unless it was renamed into place. A removal that fails leaves the name in
// the journal, for the next start.

#include <functional>
#include <string>

#include "platform/TempJournal.h"

namespace quorvex::platform {

class TempEntry
{
public:
    enum class Attempt
    {
        Made,
        Taken, // something has the name already: another name is tried
        Failed
    };

    explicit TempEntry(TempJournal& journal) : journal_(journal) {}
    ~TempEntry();
    TempEntry(const TempEntry&) = delete;
    TempEntry& operator=(const TempEntry&) = delete;

    // Makes the entry with `make` under a new name beside `besidePath` (TempPathBeside). False
    // when it could not (the system's error and LastFailureText() as `make` or the
    // journal left them).
    bool make(const std::string& besidePath,
              const std::function<Attempt(const std::string&)>& make);
    const std::string& path() const { return path_; }
    // It now has its final name.
    void renamed();

private:
    TempJournal& journal_;
    std::string path_;
};

} // namespace quorvex::platform
