#pragma once
// What the desktop knows about an item: its icon in the icon store, its display and
// type names, and whether it is a folder or a symbolic link. Type names are the
// MIME type's comment in the user's language.

#include <QString>

#include <string_view>

class SysImageList;

struct ShellFileInfo
{
    bool found = false;  // the item exists
    bool folder = false; // a folder, or a link to one
    bool link = false;   // a symbolic link (also a dangling one)
    bool shared = false; // a shared folder; not detected on this system
    int iconIndex = -1;
    QString displayName;
    QString typeName;
};

// An existing item, by the exact bytes of its path ('/' separators). For a missing
// item `found` is false and nothing else is set.
ShellFileInfo QueryFileInfo(SysImageList& images, std::string_view path, bool openIcon);

// The icon and type name of a kind of item without looking at the disk: the generic
// folder, or a file whose name ends with `extension` (".txt"; empty for none).
ShellFileInfo QueryTypeInfo(SysImageList& images, bool folder, const QString& extension,
                            bool openIcon);
