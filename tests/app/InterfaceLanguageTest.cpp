// The language of the interface: the rule of "自動" and the stored choice.

#include <chrono>

#include <gtest/gtest.h>

#include "app/InterfaceLanguage.h"
#include "app/SettingsStore.h"
#include "platform/Registry.h"

namespace quorvex::app {
namespace {

InterfaceLanguage Automatic(std::vector<std::string> uiLanguages)
{
    return ResolveInterfaceLanguage(LanguageChoice::Automatic, uiLanguages);
}

TEST(InterfaceLanguage, AutomaticIsJapaneseForAJapaneseUserOrTheCLocaleAndEnglishOtherwise)
{
    constexpr auto ja = InterfaceLanguage::Japanese;
    constexpr auto en = InterfaceLanguage::English;
    EXPECT_EQ(Automatic({"ja-JP", "ja"}), ja);
    EXPECT_EQ(Automatic({"ja_JP"}), ja);
    EXPECT_EQ(Automatic({"en-US", "en", "ja"}), ja); // Japanese is one of the user's languages
    EXPECT_EQ(Automatic({"C"}), ja);
    EXPECT_EQ(Automatic({"POSIX"}), ja);
    EXPECT_EQ(Automatic({}), ja);
    EXPECT_EQ(Automatic({"en-US", "en"}), en);
    EXPECT_EQ(Automatic({"de-DE", "de"}), en);
    EXPECT_EQ(Automatic({"jam"}), en); // Jamaican Creole: another language beginning with "ja"
    EXPECT_EQ(Automatic({"Ca-ES"}), en);
}

TEST(InterfaceLanguage, AnExplicitChoiceWinsOverTheUsersLanguages)
{
    EXPECT_EQ(ResolveInterfaceLanguage(LanguageChoice::English, {"ja-JP"}),
              InterfaceLanguage::English);
    EXPECT_EQ(ResolveInterfaceLanguage(LanguageChoice::English, {"C"}), InterfaceLanguage::English);
    EXPECT_EQ(ResolveInterfaceLanguage(LanguageChoice::Japanese, {"en-US"}),
              InterfaceLanguage::Japanese);
}

TEST(InterfaceLanguage, TheChoiceIsStoredBesideTheSettingsWhichKeepTheirValues)
{
    const std::string title =
        "QuorvexTest" + std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
    EXPECT_EQ(ReadLanguageChoice(title), LanguageChoice::Automatic); // no key yet

    Settings settings;
    settings.sikii = 70;
    ASSERT_TRUE(WriteOwnSettings(title, settings));
    ASSERT_TRUE(WriteLanguageChoice(title, LanguageChoice::English));
    EXPECT_EQ(ReadLanguageChoice(title), LanguageChoice::English);
    EXPECT_EQ(ReadOwnSettings(title, "/x/")->sikii, 70u);

    // The settings written at a close keep the choice, and a later choice replaces it.
    ASSERT_TRUE(WriteOwnSettings(title, settings));
    EXPECT_EQ(ReadLanguageChoice(title), LanguageChoice::English);
    ASSERT_TRUE(WriteLanguageChoice(title, LanguageChoice::Japanese));
    EXPECT_EQ(ReadLanguageChoice(title), LanguageChoice::Japanese);

    // A value this program does not know (a later version's, say) reads as "自動".
    platform::RegistryKey::open(platform::VorleKeyPath(title))->writeString("language", "fr");
    EXPECT_EQ(ReadLanguageChoice(title), LanguageChoice::Automatic);
}

} // namespace
} // namespace quorvex::app
