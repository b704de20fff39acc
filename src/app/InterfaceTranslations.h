#pragma once
// Installs the texts of the interface language in the running application: for
// English the program's catalogue quorvex_en.qm (the Japanese texts in the code are
// its source texts), for Japanese Qt's own Japanese texts (the buttons of Qt's
// dialogs), so that Qt's dialogs speak the program's language.

#include "app/InterfaceLanguage.h"

#include <QTranslator>

#include <string>
#include <vector>

// The user's languages as the system states them, the most wanted first; "C" for the
// C or POSIX locale.
std::vector<std::string> SystemUiLanguages();

// The language of this start: the stored choice of `appTitle`'s settings, "自動"
// resolved from the system's languages.
quorvex::app::InterfaceLanguage StartLanguage(const QString& appTitle);

// Where the catalogue of a program in `exeDir` (with a trailing '/') is:
// exeDir + "translations/" when it holds the file (the build folder, a Windows
// folder), else the installed <prefix>/share/quorvex/translations/.
QString CatalogueFolder(const std::string& exeDir);

class InterfaceTranslations
{
public:
    // Loads and installs the translators; they stay installed while this object lives
    // (a translator removes itself when destroyed).
    InterfaceTranslations(quorvex::app::InterfaceLanguage language, const std::string& exeDir);

private:
    QTranslator own_;
    QTranslator qt_;
};
