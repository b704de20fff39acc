#pragma once
// Moving an entry to the desktop trash (freedesktop.org Trash) by the exact bytes of
// its path: into the user's trash under the data home folder, or, for an entry on
// another file system or another mount of it, into the trash at the top of the
// entry's own mount. Each trashed
// entry gets a ".trashinfo" record of where it came from and when it was trashed.
// On Windows: the Recycle Bin of the entry's drive. Nothing here depends on Qt.

#include <optional>
#include <string>
#include <string_view>

namespace quorvex::platform {

// Moves a file, link (not what it points to) or folder into a trash. `path` is
// absolute; a trailing separator is ignored. Returns where the entry now lies (empty
// on Windows, whose shell does not tell), or nullopt when it cannot be trashed; then
// the entry is left where it was.
std::optional<std::string> MoveToDesktopTrash(std::string_view path);

// Gives the file or link at `path` a second name in the trash, as MoveToDesktopTrash
// would place it, while it stays where it is: a file about to be replaced is
// restorable from the trash from before the instant it leaves its place. Returns its
// place in the trash, or nullopt where the trash takes no second name (another file
// system, a file system without hard links; the Recycle Bin).
std::optional<std::string> LinkIntoDesktopTrash(std::string_view path);
// Removes an entry that LinkIntoDesktopTrash placed, and its record, when the file it
// named was not replaced after all.
void TakeOutOfDesktopTrash(std::string_view placedAt);

// Whether `path` (absolute, without links) is a trash folder or lies in one: the
// user's trash, or the trash of a volume (".Trash-<uid>", ".Trash/<uid>" at its top;
// on Windows "$Recycle.Bin"). Its files are copies the user threw away.
bool LiesInDesktopTrash(std::string_view path);

} // namespace quorvex::platform
