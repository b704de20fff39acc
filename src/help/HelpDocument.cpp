#include "help/HelpDocument.h"

#include <QFileInfo>

namespace {
const QString kDocumentName = QStringLiteral("Help/Quorvex.htm");
const QString kInstalledName = QStringLiteral("Quorvex.htm");
} // namespace

QString HelpDocumentPath(const std::string& exeDir, const QString& installedDir)
{
    const QString beside = QString::fromStdString(exeDir) + kDocumentName;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = installedDir + kInstalledName;
    if (!installedDir.isEmpty() && QFileInfo::exists(installed))
        return installed;
    return beside;
}

QString HelpDocumentPath(const std::string& exeDir)
{
    return HelpDocumentPath(exeDir, QStringLiteral(QUORVEX_INSTALLED_HELP_DIR));
}

QUrl HelpAddress(const std::string& exeDir, const QString& anchor)
{
    QUrl address = QUrl::fromLocalFile(HelpDocumentPath(exeDir));
    address.setFragment(anchor);
    return address;
}
