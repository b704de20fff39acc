#pragma once
// Where the program and its per-user data live.

#include <string>
#include <string_view>

#include "platform/PathText.h"

namespace quorvex::platform {

// The folder of the running executable, with a trailing separator.
std::string ExeDir();

// The per-user data folder, with a trailing separator: $QUORVEX_DATA_DIR when set (created
// when missing; a relative folder taken from the current folder), else the portable folder of
// PrepareUserDataDir below, else $XDG_DATA_HOME/Quorvex/ (default ~/.local/share/Quorvex/),
// created. Meant to be asked once at start: the first call for a user moves old files (see below).
std::string UserDataDir();

// The rule behind UserDataDir for a given program folder and user name. Windows, and
// on Linux a portable installation (the program folder holds "data" or an old
// "gomi.txt"), keep the data in exeDir + "data/" + user + "/" (with the system's
// separators). When that
// folder is created here, the old history files exeDir + "data/data1.txt" ..
// "data4.txt" and exeDir + "gomi.txt" are moved into it (moves that fail are
// ignored). When the folder can be neither found nor created, `fallback` is created
// and returned (with a trailing separator).
std::string PrepareUserDataDir(std::string_view exeDir, std::string_view user,
                               std::string_view fallback);

} // namespace quorvex::platform
