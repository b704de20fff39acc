#include "help/HelpBrowser.h"

#include <QFileInfo>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenExternalLinks(true);
}

void HelpBrowser::Navigate(const QUrl& address)
{
    setSource(address);
}

QString HelpBrowser::MissingDocumentPage(const QString& path)
{
    return QStringLiteral("<html><head><meta charset=\"utf-8\"><title>Help</title></head><body>"
                          "<h2>ヘルプ文書が見つかりません</h2>"
                          "<p>次のファイルがありませんでした。</p><p><b>%1</b></p>"
                          "<p>プログラムを入れ直すと、ヘルプ文書も元に戻ります。</p>"
                          "</body></html>")
        .arg(path.toHtmlEscaped());
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::HtmlResource && name.isLocalFile()) {
        const QString path = name.toLocalFile();
        if (!QFileInfo(path).isFile())
            return MissingDocumentPage(path);
    }
    return QTextBrowser::loadResource(type, name);
}
