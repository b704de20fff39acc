#pragma once
// The rows of the duplicate and identical-file searches (TDupRecord) and the list
// that owns them (DupList).
//
// A search may collect a whole tree before it knows which files are duplicates, so
// a record is kept small: numbers instead of cell texts, the name as an offset into
// one byte arena of the list, the folder as an index into the list's folder table.
// The cell texts the list view and the command line show are made on request.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/DiskCheck.h"
#include "platform/FileSystem.h"

namespace quorvex {

// Content cell values besides a percentage 0..100.
constexpr std::int8_t kContentNotJudged = -1; // empty cell
constexpr std::int8_t kContentReference = -2; // the group's reference row

constexpr std::int8_t kBandEmpty = -1;

// What became of a row's file after the search, when something was done to it.
enum class RowState : std::uint8_t
{
    AsFound,
    HardLinked,     // replaced by a hard link to its group's kept file
    SymbolicLinked, // replaced by a symbolic link to it
    Cloned,         // replaced by a clone of it
    Moved           // moved to another folder (the row's folder is the new one)
};

struct TDupRecord
{
    std::uint64_t size = 0;       // bytes, from the directory entry
    std::int64_t lastWrite = 0;   // seconds since the Unix epoch, UTC
    std::uint64_t nameOffset = 0; // into DupList's name arena (NUL-terminated there)
    std::uint32_t folderIndex = 0;
    std::uint32_t group = 0; // 0: empty; else the 1-based walk position of the reference
    std::int32_t IconIndex = -1;
    std::int8_t content = kContentNotJudged;
    std::int8_t band = kBandEmpty; // -1 empty, 0 or 1
    std::int8_t OverlayIndex = -1;
    // Four bits each: a million records cost no byte more for the check.
    RowState state : 4 = RowState::AsFound;
    DiskCheck check : 4 = DiskCheck::AsListed; // of a row opened from a saved list
};

class DupList
{
public:
    std::size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }
    TDupRecord& operator[](std::size_t row) { return records_[row]; }
    const TDupRecord& operator[](std::size_t row) const { return records_[row]; }
    std::vector<TDupRecord>& records() { return records_; }
    const std::vector<TDupRecord>& records() const { return records_; }

    // The folder that following add() calls put their files in; `folder` ends in '/'.
    void enterFolder(std::string folder);
    // Appends a record for a file of the current folder; cells besides name, size,
    // date and folder are empty.
    TDupRecord& add(const platform::DirEntry& entry);

    const char* name(const TDupRecord& record) const { return names_.data() + record.nameOffset; }
    const std::string& folder(const TDupRecord& record) const
    {
        return folders_[record.folderIndex];
    }
    // The full path: folder followed by name.
    std::string RecordPath(const TDupRecord& record) const;

    // Removes the given rows (indices in any order; duplicates and indices out of
    // range are ignored) and releases the storage only they used.
    void removeRows(std::vector<std::size_t> rows);
    // The row's file now lies in `folder` (ending in '/'), under the same name.
    void relocate(std::size_t row, std::string folder);
    // Removes every row whose group is empty (the files without a partner).
    void removeUngrouped();
    void clear();

private:
    // Rebuilds the arena and the folder table for the remaining records.
    void compact();

    std::vector<TDupRecord> records_;
    std::string names_;
    std::vector<std::string> folders_;
    bool folderUsed_ = false; // whether the current folder got a record yet
};

// Cell texts of a record.
// "", `referenceWord` ("基準") or e.g. "87%".
std::string ContentText(const TDupRecord& record, std::string_view referenceWord);
std::string SizeDigits(const TDupRecord& record); // plain decimal digits
std::string DateText(const TDupRecord& record);   // "yyyy/mm/dd hh:nn", local time
std::string GroupText(const TDupRecord& record);  // "" or the decimal label
std::string BandText(const TDupRecord& record);   // "", "0" or "1"

} // namespace quorvex
