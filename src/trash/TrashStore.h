#pragma once
// The program's own trash: the list of empty items that the empty-item page deleted,
// each remembered as one text "path=attributes", and its file "gomi.txt".
//
// A folder's path ends with '/', a file's does not. The value is the item's
// attribute word in signed decimal, -1 when it could not be read. An entry is split
// at its last '=' so that paths holding '=' survive a save and a load; entries
// written without such paths read exactly as before.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/TextFile.h"

namespace quorvex {

// One text of the trash list: path "=" decimal attribute word.
using TrashEntry = std::string;

// The two halves of an entry. `attributes` is empty when the value is not a decimal
// integer (a damaged line, or a line without '=', whose whole text is the name).
struct TrashEntryParts
{
    std::string_view name;
    std::string_view valueText;
    std::optional<std::int32_t> attributes;
};

TrashEntryParts SplitTrashEntry(std::string_view entry);
TrashEntry MakeTrashEntry(std::string_view path, std::int32_t attributes);

// A folder entry's name ends with the separator. An empty name is a file entry.
bool IsFolderEntryPath(std::string_view name);
// The trash page's "名前" column: the last component without a trailing separator.
std::string TrashEntryDisplayName(std::string_view path);

// The place of "gomi.txt" in the per-user data folder (given with trailing '/').
std::string TrashListPath(std::string_view userDataDir);

class TrashList
{
public:
    const std::vector<TrashEntry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // The stored path of every entry, in order: the rows of the trash page.
    std::vector<std::string> entryPaths() const;

    // Appends path "=" attributes (a folder's path already ends with '/').
    void add(std::string_view path, std::int32_t attributes);
    // The first entry whose name equals the path exactly, else the first whose name
    // equals it without regard to ASCII letter case; nullptr when there is none.
    const TrashEntry* lookup(std::string_view path) const;
    // Removes the first entry whose name equals the path byte for byte.
    void RemoveTrashEntry(std::string_view path);

    void replaceEntries(std::vector<TrashEntry> entries) { entries_ = std::move(entries); }

private:
    std::vector<TrashEntry> entries_;
};

// Replaces the list by the lines of the file (platform::ReadStateFile: each line
// decoded on its own, an undecodable one kept byte for byte); a missing file leaves
// the list as it is.
platform::StateFileRead LoadTrashList(TrashList& trash, std::string_view file);
// Writes every entry followed by CR LF (an empty list gives an empty file),
// atomically: on failure the old file stays and false is returned.
bool SaveTrashList(const TrashList& trash, std::string_view file);

} // namespace quorvex
