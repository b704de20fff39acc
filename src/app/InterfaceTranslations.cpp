#include "app/InterfaceTranslations.h"

#include "platform/desktop/ShownText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace {
const QString kCatalogue = QStringLiteral("quorvex_en.qm");
const QString kQtJapanese = QStringLiteral("qtbase_ja");
} // namespace

std::vector<std::string> SystemUiLanguages()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C)
        return {"C"};
    std::vector<std::string> names;
    for (const QString& name : system.uiLanguages())
        names.push_back(TextBytes(name));
    return names;
}

quorvex::app::InterfaceLanguage StartLanguage(const QString& appTitle)
{
    return quorvex::app::ResolveInterfaceLanguage(
        quorvex::app::ReadLanguageChoice(TextBytes(appTitle)), SystemUiLanguages());
}

QString CatalogueFolder(const std::string& exeDir)
{
    const QString beside = ShownText(exeDir) + QStringLiteral("translations/");
    if (QFileInfo::exists(beside + kCatalogue))
        return beside;
    // Found from the program's own folder, so that an installation under any prefix
    // reads its own copy.
    return QDir::cleanPath(ShownText(exeDir) +
                           QStringLiteral(QUORVEX_TRANSLATIONS_DIR_FROM_PROGRAM)) +
           u'/';
}

InterfaceTranslations::InterfaceTranslations(quorvex::app::InterfaceLanguage language,
                                             const std::string& exeDir)
{
    if (language == quorvex::app::InterfaceLanguage::English) {
        if (own_.load(kCatalogue, CatalogueFolder(exeDir)))
            QCoreApplication::installTranslator(&own_);
        return; // Qt's own texts are English already
    }
    // Qt's Japanese texts from the Qt installation, else built into the program.
    if (qt_.load(kQtJapanese, QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qt_.load(kQtJapanese, QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(&qt_);
}
