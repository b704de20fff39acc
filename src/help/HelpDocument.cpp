#include "help/HelpDocument.h"

#include "platform/desktop/ShownText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The document in the interface language: the catalogue names the file of each
// language.
QString DocumentName()
{
    //: The file name of the help document in this language, in the folder Help.
    return QCoreApplication::translate("HelpDocument", "Quorvex.htm");
}

} // namespace

QString HelpDocumentPath(const std::string& exeDir, const QString& installedDir)
{
    const QString beside = ShownText(exeDir) + QStringLiteral("Help/") + DocumentName();
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = installedDir + DocumentName();
    if (!installedDir.isEmpty() && QFileInfo::exists(installed))
        return installed;
    return beside;
}

QString HelpDocumentPath(const std::string& exeDir)
{
    // The installed copy is found from the program's own folder, so that an
    // installation under any prefix, or staged below a DESTDIR, reads its own copy.
    const QString installedDir =
        QDir::cleanPath(ShownText(exeDir) + QStringLiteral(QUORVEX_HELP_DIR_FROM_PROGRAM));
    return HelpDocumentPath(exeDir, installedDir + u'/');
}

QUrl HelpAddress(const std::string& exeDir, const QString& anchor)
{
    QUrl address = QUrl::fromLocalFile(HelpDocumentPath(exeDir));
    address.setFragment(anchor);
    return address;
}
