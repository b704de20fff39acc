#pragma once
// Where the program and its per-user data live, and the separator rule of paths.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvex::platform {

// The folder of the running executable, with a trailing '/'.
std::string ExeDir();

// The per-user data folder, with a trailing '/': $QUORVEX_DATA_DIR when set (created
// when missing), else the portable folder of PrepareUserDataDir below, else
// $XDG_DATA_HOME/Quorvex/ (default ~/.local/share/Quorvex/), created. Meant to be
// asked once at start: the first call for a user moves old files (see below).
std::string UserDataDir();

// The rule behind UserDataDir for a given program folder and user name. A portable
// installation (the program folder holds "data/" or an old "gomi.txt") keeps the
// data in exeDir + "data/" + user + "/". When that folder is created here, the old
// history files exeDir + "data/data1.txt" .. "data4.txt" and exeDir + "gomi.txt"
// are moved into it (moves that fail are ignored). When the folder can be neither
// found nor created, `fallback` is created and returned (with '/').
std::string PrepareUserDataDir(std::string_view exeDir, std::string_view user,
                               std::string_view fallback);

// Whether the byte at `position` of `path` is a path separator. In UTF-8 every '/'
// byte is one; with a double-byte code page the second byte of a character is not.
bool IsSeparatorAt(std::string_view path, std::size_t position);
// The path with a trailing separator added when it has none.
std::string WithTrailingSeparator(std::string_view path);

} // namespace quorvex::platform
