// The sorted listing of a folder, on the scan of either system: every entry
// described, "." and ".." first with the folder's own word.

#include <algorithm>

#include "platform/FileSystem.h"
#include "platform/FolderScan.h"

namespace quorvex::platform {

bool ListDirectory(std::string_view folder, std::vector<DirEntry>& out)
{
    out.clear();
    FolderScan scan;
    if (!scan.open(folder))
        return false;
    std::optional<DirEntry> dot = scan.folderEntry();
    if (!dot)
        return false;
    out.push_back(*dot);
    dot->name = "..";
    out.push_back(std::move(*dot));
    while (scan.next()) {
        if (!scan.examine())
            continue; // vanished since the folder was read
        DirEntry& entry = out.emplace_back();
        entry.name = scan.name();
        entry.attributes = scan.attributes();
        entry.size = scan.size();
        entry.lastWrite = scan.lastWrite();
        entry.id = scan.fileId();
    }
    // A listing that breaks off is no listing: a part of it would show the folder
    // with fewer entries than it has (or as empty).
    if (scan.failed()) {
        out.clear();
        return false;
    }
    std::sort(out.begin() + 2, out.end(), [](const DirEntry& a, const DirEntry& b) {
        return CompareEntryNames(a.name, b.name) < 0;
    });
    return true;
}

} // namespace quorvex::platform
