#pragma once
// What the desktop knows about an item: its icon in the icon store, its display and
// type names, and whether it is a folder, a link or a shared folder. POSIX: the icon
// theme and the MIME type's comment in the user's language; Windows: the shell's
// icons and names (SHGetFileInfoW).

#include <QString>

#include <string_view>

class SysImageList;

struct ShellFileInfo
{
    bool found = false;  // the item exists
    bool folder = false; // a folder, or a link to one
    bool link = false;   // a symbolic link (also a dangling one), or a shortcut on Windows
    bool shared = false; // a shared folder; detected on Windows only
    int iconIndex = -1;
    QString displayName;
    QString typeName;
};

// An existing item, by the exact bytes of its path. For a missing item `found` is
// false and nothing else is set.
ShellFileInfo QueryFileInfo(SysImageList& images, std::string_view path, bool openIcon);

// The icon and type name of a kind of item without looking at the disk: the generic
// folder, or a file whose name ends with `extension` (".txt"; empty for none).
ShellFileInfo QueryTypeInfo(SysImageList& images, bool folder, const QString& extension,
                            bool openIcon);
