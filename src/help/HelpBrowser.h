#pragma once
// The browser control of the help window: an HTML viewer that navigates to file
// addresses with anchors and keeps a back/forward history. A document that cannot
// be found is replaced by a short page that names the missing file.

#include <QCoreApplication>
#include <QTextBrowser>

class HelpBrowser : public QTextBrowser
{
    Q_DECLARE_TR_FUNCTIONS(HelpBrowser)

public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    void Navigate(const QUrl& address);
    void GoBack() { backward(); }
    void GoForward() { forward(); }

    // The page shown in place of a missing document.
    static QString MissingDocumentPage(const QString& path);

    QVariant loadResource(int type, const QUrl& name) override;
};
