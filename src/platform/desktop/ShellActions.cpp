#include "platform/desktop/ShellActions.h"

#include "platform/desktop/DesktopApps.h"
#include "platform/desktop/Dialogs.h"
#include "platform/desktop/ShownText.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QMimeDatabase>
#include <QStringList>
#include <QUrl>

namespace {

QMimeType itemType(const std::string& path)
{
    return QMimeDatabase().mimeTypeForFile(ShownText(path));
}

} // namespace

void OpenItem(Dialogs& dialogs, QWidget* owner, const std::string& path)
{
    const XdgDirs dirs = CurrentXdgDirs();
    if (HasDefaultApplication(itemType(path), LoadDesktopApps(dirs), dirs))
        OpenItem(path);
    else
        OpenItemWith(dialogs, owner, path);
}

void OpenItemWith(Dialogs& dialogs, QWidget* owner, const std::string& path)
{
    const OpenWithCandidates candidates =
        OpenWithCandidatesFor(itemType(path), LoadDesktopApps(CurrentXdgDirs()));
    QStringList names;
    for (const DesktopApp& app : candidates.apps)
        names << app.name;
    const QString shown = ShownText(path);
    const int chosen = dialogs.chooseApplication(owner, shown, names, candidates.declaringCount);
    if (chosen >= 0 && chosen < static_cast<int>(candidates.apps.size()))
        StartDesktopApp(candidates.apps[static_cast<std::size_t>(chosen)], path);
}

bool OpenItem(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromEncoded(FileUrl(path)));
}

bool OpenContainingFolder(const std::string& path)
{
    return OpenItem(ContainingFolder(path));
}

std::string ContainingFolder(const std::string& path)
{
    std::string item = path;
    while (item.size() > 1 && item.back() == '/')
        item.pop_back();
    const auto slash = item.rfind('/');
    if (slash == std::string::npos)
        return item;
    return slash == 0 ? std::string("/") : item.substr(0, slash);
}

QByteArray FileUrl(const std::string& path)
{
    const QByteArray bytes(path.data(), static_cast<qsizetype>(path.size()));
    return QByteArrayLiteral("file://") + bytes.toPercentEncoding("/");
}

std::unique_ptr<QMimeData> FileDropMimeData(const std::vector<std::string>& paths)
{
    QByteArrayList urls;
    QStringList texts;
    for (const std::string& path : paths) {
        urls << FileUrl(path);
        texts << ShownText(path);
    }
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("text/uri-list"), urls.join("\r\n") + "\r\n");
    data->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n" + urls.join('\n'));
    data->setText(texts.join(QLatin1Char('\n')));
    return data;
}

void PutFilesOnClipboard(const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    QGuiApplication::clipboard()->setMimeData(FileDropMimeData(paths).release());
}
