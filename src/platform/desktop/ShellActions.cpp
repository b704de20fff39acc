#include "platform/desktop/ShellActions.h"

#include "platform/PathText.h"
#include "platform/desktop/ShownText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

std::string ContainingFolder(const std::string& path)
{
    return std::string(quorvex::platform::ParentFolder(path));
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
