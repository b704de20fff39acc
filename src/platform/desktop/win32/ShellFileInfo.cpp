// Items as the Windows shell describes them (win32/ShellItems.h): the system image
// list's icons, kept in the icon store under their system index, and the shell's
// display and type names.
#include "platform/desktop/ShellFileInfo.h"

#include "platform/desktop/ShownText.h"
#include "platform/desktop/SysImageList.h"
#include "platform/desktop/win32/ShellItems.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace win32 = quorvex::platform::win32;

void EnsureIconTheme() {}

namespace {

int storedIcon(SysImageList& images, int systemIconIndex, bool folder)
{
    if (systemIconIndex < 0)
        return images.indexOf(QStringList(), folder); // the style's generic icon
    return images.indexOf(QStringLiteral("system:%1").arg(systemIconIndex), [=] {
        const HICON icon = win32::SmallSystemIcon(systemIconIndex);
        if (icon == nullptr)
            return QIcon();
        const QImage image = QImage::fromHICON(icon);
        DestroyIcon(icon);
        return QIcon(QPixmap::fromImage(image));
    });
}

ShellFileInfo shownInfo(SysImageList& images, const win32::ShellItemInfo& item)
{
    ShellFileInfo info;
    info.found = item.found;
    info.folder = item.folder;
    info.link = item.link;
    info.shared = item.shared;
    info.iconIndex = storedIcon(images, item.systemIconIndex, item.folder);
    info.displayName = ShownText(item.displayName);
    info.typeName = ShownText(item.typeName);
    return info;
}

} // namespace

ShellFileInfo QueryFileInfo(SysImageList& images, std::string_view path, bool openIcon)
{
    const win32::ShellItemInfo item = win32::QueryShellItem(path, openIcon);
    return item.found ? shownInfo(images, item) : ShellFileInfo();
}

ShellFileInfo QueryTypeInfo(SysImageList& images, bool folder, const QString& extension,
                            bool openIcon)
{
    return shownInfo(images, win32::QueryShellType(folder, TextBytes(extension), openIcon));
}
