// Items as the freedesktop desktop describes them: icons from the icon theme, type
// names from the MIME database (its comment in the user's language).
#include "platform/desktop/ShellFileInfo.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"
#include "platform/desktop/ShownText.h"
#include "platform/desktop/SysImageList.h"

#include <QFileInfo>
#include <QIcon>
#include <QMimeDatabase>

void EnsureIconTheme()
{
    const QString systemIcons = QStringLiteral("/usr/share/icons");
    QStringList searchPaths = QIcon::themeSearchPaths();
    if (!searchPaths.contains(systemIcons)) {
        searchPaths << systemIcons;
        QIcon::setThemeSearchPaths(searchPaths);
    }
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor"))
        QIcon::setThemeName(QStringLiteral("Adwaita"));
}

namespace {

QStringList folderIconNames(bool openIcon)
{
    QStringList names;
    if (openIcon)
        names << QStringLiteral("folder-open");
    names << QStringLiteral("folder");
    return names;
}

QStringList fileIconNames(const QMimeType& type)
{
    return {type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic")};
}

void describeFolder(SysImageList& images, bool openIcon, ShellFileInfo& info)
{
    const QMimeType type = QMimeDatabase().mimeTypeForName(QStringLiteral("inode/directory"));
    info.folder = true;
    info.typeName = type.comment();
    info.iconIndex = images.indexOf(folderIconNames(openIcon), true);
}

void describeFile(SysImageList& images, const QMimeType& type, ShellFileInfo& info)
{
    info.typeName = type.comment();
    info.iconIndex = images.indexOf(fileIconNames(type), false);
}

} // namespace

ShellFileInfo QueryFileInfo(SysImageList& images, std::string_view path, bool openIcon)
{
    ShellFileInfo info;
    const auto entry = quorvex::platform::LookupEntry(path);
    if (!entry)
        return info;
    info.found = true;
    info.link = (entry->attributes & quorvex::platform::kAttrReparsePoint) != 0;
    info.displayName = ShownText(quorvex::platform::LastComponent(path));
    if (entry->isDirectory()) {
        describeFolder(images, openIcon, info);
        return info;
    }
    // The name's type first; the content decides only for names without a known type.
    const QString localPath = ShownText(path);
    describeFile(images, QMimeDatabase().mimeTypeForFile(QFileInfo(localPath)), info);
    return info;
}

ShellFileInfo QueryTypeInfo(SysImageList& images, bool folder, const QString& extension,
                            bool openIcon)
{
    ShellFileInfo info;
    if (folder) {
        describeFolder(images, openIcon, info);
        return info;
    }
    const QMimeDatabase database;
    const QList<QMimeType> types =
        extension.isEmpty() ? QList<QMimeType>()
                            : database.mimeTypesForFileName(QStringLiteral("x") + extension);
    describeFile(images,
                 types.isEmpty()
                     ? database.mimeTypeForName(QStringLiteral("application/octet-stream"))
                     : types.first(),
                 info);
    return info;
}
