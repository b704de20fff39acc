#pragma once
// Acting on whole folders of a folder search: which folder of each group stays, and
// the files of the others paired with their equal files in it, as the duplicate
// list's plans take them. Whatever goes, an equal file stays: a folder is acted on
// only file by file, each file with an equal file in the kept folder, and a file that
// stays for another is never acted on.

#include <string_view>
#include <vector>

#include "duplicates/DupActions.h"
#include "duplicates/FolderGroups.h"

namespace quorvex {

struct FolderChoice
{
    std::size_t acted; // rows of FolderGroups::rows()
    std::size_t kept;
};

// The folders acted on, each with the folder that stays. A group of equal folders
// keeps its folder by `rule` (the reference row; the newest or oldest by their newest
// file; the first one at or below `keepFolder`, ending in the separator: a group
// without one stays whole). A contained folder goes for its container, which always
// stays (under UnderFolder only when it lies at or below `keepFolder`). Similar
// folders never go, and when `linksOnly` (links and clones replace files by their
// equal ones) neither do contained ones. A folder that is, holds or lies within the
// kept one, or lies at or below `keepFolder`, never goes.
std::vector<FolderChoice> ChooseFolders(const FolderGroups& groups, KeepRule rule,
                                        std::string_view keepFolder, bool linksOnly);

// The files of the acted folders as a duplicate list: one group per kept file, that
// file its "基準" row and the acted files equal to it its other rows. A choice whose
// kept folder goes in another choice is left out; files without an equal file in
// their kept folder, and files that stay for another, are not in the list.
DupList FilesOfChosenFolders(const FolderGroups& groups, const std::vector<FolderChoice>& choices);

} // namespace quorvex
