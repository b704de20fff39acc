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
                          "<h2>%1</h2><p>%2</p><p><b>%3</b></p><p>%4</p></body></html>")
        .arg(tr("ヘルプ文書が見つかりません"), tr("次のファイルがありませんでした。"),
             path.toHtmlEscaped(), tr("プログラムを入れ直すと、ヘルプ文書も元に戻ります。"));
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
