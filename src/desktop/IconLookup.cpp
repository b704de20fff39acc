#include "desktop/IconLookup.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/desktop/ShellFileInfo.h"
#include "platform/desktop/ShownText.h"
#include "platform/desktop/SysImageList.h"

IconLookup::IconLookup(SysImageList& images)
    : images_(images), PerFileIconExts_{QStringLiteral(".ico"), QStringLiteral(".exe"),
                                        QStringLiteral(".lnk"), QStringLiteral(".scr"),
                                        QStringLiteral(".pif")}
{
}

int IconLookup::GetFileInfoIcon(const std::string& path, bool openIcon)
{
    ++desktopQueries_;
    ShellFileInfo info = QueryFileInfo(images_, path, openIcon);
    OverlayIndex_ = OverlayMark::None;
    if (info.found) {
        // Every symbolic link shows the link mark, also one to a folder.
        if (info.link)
            OverlayIndex_ = OverlayMark::Link;
        else if (info.folder && info.shared)
            OverlayIndex_ = OverlayMark::SharedFolder;
    } else {
        // An unknown path still gets the icon of its kind.
        info = QueryTypeInfo(images_, quorvex::platform::IsExistingFolder(path),
                             PathExtension(path), openIcon);
    }
    LastDisplayName_ = info.displayName;
    LastTypeName_ = info.typeName;
    return info.iconIndex;
}

// On this system one desktop lookup serves both the folder-based and the direct
// question, so the path lookup is the direct one.
int IconLookup::GetPathIcon(const std::string& path, bool openIcon)
{
    return GetFileInfoIcon(path, openIcon);
}

int IconLookup::GetCachedIcon(const std::string& path)
{
    const QString extension = PathExtension(path);
    if (extension.isEmpty() || PerFileIconExts_.contains(extension, Qt::CaseInsensitive) ||
        !sharesTypeIcon(path))
        return GetPathIcon(path, false);
    const QString key = extension.toCaseFolded();
    if (const auto cached = IconCache_.constFind(key); cached != IconCache_.constEnd()) {
        OverlayIndex_ = OverlayMark::None;
        if (images_.isValidIndex(*cached))
            return *cached;
        IconCache_.remove(key);
    }
    const int icon = GetPathIcon(path, false);
    if (icon != -1)
        IconCache_.insert(key, icon);
    return icon;
}

// Folders and links are asked about one by one: a folder named "x.txt" must not take
// (or give) the text file icon, and a link keeps its mark.
bool IconLookup::sharesTypeIcon(const std::string& path)
{
    const auto entry = quorvex::platform::LookupEntry(path);
    return !entry || (!entry->isDirectory() &&
                      (entry->attributes & quorvex::platform::kAttrReparsePoint) == 0);
}

QString PathExtension(const std::string& path)
{
    const auto separator = quorvex::platform::FindLastSeparator(path);
    const auto nameStart = separator == std::string::npos ? 0 : separator + 1;
    const auto dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return QString();
    return ShownText(std::string_view(path).substr(dot));
}
