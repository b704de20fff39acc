// Opening items on a freedesktop desktop: the default application through
// QDesktopServices (xdg-open), the program's own chooser over the .desktop files.
#include "platform/desktop/ShellActions.h"

#include "platform/desktop/DesktopApps.h"
#include "platform/desktop/ShownText.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QStringList>
#include <QUrl>

namespace {

QMimeType itemType(const std::string& path)
{
    return QMimeDatabase().mimeTypeForFile(ShownText(path));
}

bool openWithDesktopOpener(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromEncoded(FileUrl(path)));
}

} // namespace

void OpenItem(const ApplicationChooser& choose, QWidget* owner, const std::string& path)
{
    const XdgDirs dirs = CurrentXdgDirs();
    if (HasDefaultApplication(itemType(path), LoadDesktopApps(dirs), dirs))
        openWithDesktopOpener(path);
    else
        OpenItemWith(choose, owner, path);
}

void OpenItemWith(const ApplicationChooser& choose, QWidget*, const std::string& path)
{
    const OpenWithCandidates candidates =
        OpenWithCandidatesFor(itemType(path), LoadDesktopApps(CurrentXdgDirs()));
    QStringList names;
    for (const DesktopApp& app : candidates.apps)
        names << app.name;
    const int chosen = choose(ShownText(path), names, candidates.declaringCount);
    if (chosen >= 0 && chosen < static_cast<int>(candidates.apps.size()))
        StartDesktopApp(candidates.apps[static_cast<std::size_t>(chosen)], path);
}

bool OpenContainingFolder(const std::string& path)
{
    return openWithDesktopOpener(ContainingFolder(path));
}

bool ShowSystemProperties(QWidget*, const std::string&)
{
    return false;
}

QByteArray FileUrl(const std::string& path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QByteArrayLiteral("file://") + bytes.toPercentEncoding("/");
}
