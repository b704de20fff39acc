#pragma once
// The language of the desktop program's interface: the user's choice on the options
// page, kept as the value "language" of the program's settings key, and the rule
// that turns "自動" into a language from the user's languages.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::app {

enum class LanguageChoice
{
    Automatic,
    Japanese,
    English,
};

enum class InterfaceLanguage
{
    Japanese,
    English,
};

// Japanese or English as chosen; for Automatic, Japanese when one of `uiLanguages`
// (BCP 47 or POSIX names, the most wanted first) is Japanese or the locale is "C" or
// "POSIX" (a terminal that states no language), English otherwise.
InterfaceLanguage ResolveInterfaceLanguage(LanguageChoice choice,
                                           const std::vector<std::string>& uiLanguages);

// The stored choice of the key `Software\Vorle\<appTitle>`: Automatic when the value
// is missing or unknown. Reading changes nothing on disk.
LanguageChoice ReadLanguageChoice(std::string_view appTitle);
// Stores the choice at once (it applies from the next start). False (LastFailureText()
// says why) when the key could not be written; the old one is then intact.
bool WriteLanguageChoice(std::string_view appTitle, LanguageChoice choice);

} // namespace quorvex::app
