#include "platform/desktop/win32/ShellItems.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shobjidl.h>

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/desktop/win32/ShellVerbs.h"
#include "platform/win32/WideText.h"

namespace quorvex::platform::win32 {

namespace {

constexpr UINT kInfoFlags =
    SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_DISPLAYNAME | SHGFI_TYPENAME | SHGFI_ATTRIBUTES;

// Asks the shell; false when it knows nothing of the item (the info stays as it was).
bool askShell(const std::wstring& path, DWORD fileAttributes, UINT flags, bool openIcon,
              ShellItemInfo& info)
{
    SHFILEINFOW shell{};
    if (openIcon)
        flags |= SHGFI_OPENICON;
    if (SHGetFileInfoW(path.c_str(), fileAttributes, &shell, sizeof shell, flags) == 0)
        return false;
    info.systemIconIndex = shell.iIcon;
    info.displayName = Narrow(shell.szDisplayName);
    info.typeName = Narrow(shell.szTypeName);
    info.link = info.link || (shell.dwAttributes & SFGAO_LINK) != 0;
    info.shared = (shell.dwAttributes & SFGAO_SHARE) != 0;
    return true;
}

} // namespace

ShellItemInfo QueryShellItem(std::string_view path, bool openIcon)
{
    ShellItemInfo info;
    const auto entry = LookupEntry(path);
    if (!entry)
        return info;
    info.found = true;
    info.folder = entry->isDirectory();
    info.link = (entry->attributes & kAttrReparsePoint) != 0;
    if (!askShell(ShellPath(WithoutTrailingSeparators(path)), 0, kInfoFlags, openIcon, info))
        info.displayName = std::string(LastComponent(path)); // a path the shell cannot take
    return info;
}

ShellItemInfo QueryShellType(bool folder, std::string_view extension, bool openIcon)
{
    ShellItemInfo info;
    info.folder = folder;
    const std::wstring name = folder ? L"folder" : L"file" + Widen(extension);
    askShell(name, folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL,
             kInfoFlags | SHGFI_USEFILEATTRIBUTES, openIcon, info);
    info.displayName.clear(); // of the stand-in name, not of an item
    return info;
}

HICON SmallSystemIcon(int systemIconIndex)
{
    if (systemIconIndex < 0)
        return nullptr;
    SHFILEINFOW shell{};
    const auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"file", FILE_ATTRIBUTE_NORMAL, &shell, sizeof shell,
                       SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    return list != nullptr ? ImageList_GetIcon(list, systemIconIndex, ILD_TRANSPARENT) : nullptr;
}

} // namespace quorvex::platform::win32
