#pragma once
// What the Windows shell says about an item (SHGetFileInfoW): its icon in the system
// image list, its display and type names, whether it is a shortcut or a shared
// folder; and the system's small icons themselves. Paths are UTF-8 with either
// separator. Nothing here depends on Qt. The calling thread needs COM (the desktop
// program's user interface thread has it).

#include <windows.h>

#include <string>
#include <string_view>

namespace quorvex::platform::win32 {

struct ShellItemInfo
{
    bool found = false;  // the item exists
    bool folder = false; // a folder, or a link to one
    bool link = false;   // a symbolic link, junction or shortcut (.lnk)
    bool shared = false; // a folder shared on the network
    int systemIconIndex = -1;
    std::string displayName;
    std::string typeName;
};

// An existing item. For a missing one `found` is false and nothing else is set.
ShellItemInfo QueryShellItem(std::string_view path, bool openIcon);
// The icon and type name of a kind of item, without looking at the disk: the generic
// folder, or a file whose name ends with `extension` (".txt"; empty for none).
ShellItemInfo QueryShellType(bool folder, std::string_view extension, bool openIcon);

// The small icon at `systemIconIndex` of the system image list, or null. The caller
// owns it (DestroyIcon).
HICON SmallSystemIcon(int systemIconIndex);

} // namespace quorvex::platform::win32
