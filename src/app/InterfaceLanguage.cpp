#include "app/InterfaceLanguage.h"

#include "platform/Registry.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quorvex::app {

namespace {

constexpr std::string_view kValueName = "language";
constexpr std::array<std::pair<LanguageChoice, std::string_view>, 3> kStoredNames{{
    {LanguageChoice::Automatic, "auto"},
    {LanguageChoice::Japanese, "ja"},
    {LanguageChoice::English, "en"},
}};

bool IsJapanese(std::string_view name)
{
    return name == "ja" || name.starts_with("ja-") || name.starts_with("ja_");
}

bool IsCLocale(std::string_view name)
{
    return name == "C" || name.starts_with("C.") || name == "POSIX";
}

} // namespace

InterfaceLanguage ResolveInterfaceLanguage(LanguageChoice choice,
                                           const std::vector<std::string>& uiLanguages)
{
    switch (choice) {
    case LanguageChoice::Japanese:
        return InterfaceLanguage::Japanese;
    case LanguageChoice::English:
        return InterfaceLanguage::English;
    case LanguageChoice::Automatic:
        break;
    }
    const bool japanese = std::ranges::any_of(
        uiLanguages, [](const std::string& name) { return IsJapanese(name) || IsCLocale(name); });
    return japanese || uiLanguages.empty() ? InterfaceLanguage::Japanese
                                           : InterfaceLanguage::English;
}

LanguageChoice ReadLanguageChoice(std::string_view appTitle)
{
    const std::optional<platform::RegistryKey> key =
        platform::RegistryKey::open(platform::VorleKeyPath(appTitle));
    const std::optional<std::string> stored = key ? key->readString(kValueName) : std::nullopt;
    for (const auto& [choice, name] : kStoredNames)
        if (stored == name)
            return choice;
    return LanguageChoice::Automatic;
}

bool WriteLanguageChoice(std::string_view appTitle, LanguageChoice choice)
{
    std::optional<platform::RegistryKey> key =
        platform::RegistryKey::openOrCreate(platform::VorleKeyPath(appTitle));
    if (!key)
        return false;
    const auto named =
        std::ranges::find(kStoredNames, choice, &decltype(kStoredNames)::value_type::first);
    key->writeString(kValueName, named->second);
    return key->flush();
}

} // namespace quorvex::app
