#include "platform/desktop/ShellActions.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

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
        texts << QString::fromUtf8(path.data(), static_cast<qsizetype>(path.size()));
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
