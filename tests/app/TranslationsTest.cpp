// The English interface through the catalogue built from translations/quorvex_en.ts:
// the words of the engines' codes, the language chosen at start from the user's
// locale, and the choice on the options page.

#include "app/InterfaceTranslations.h"
#include "cli/CliWords.h"
#include "desktop/ActionFailureWords.h"
#include "desktop/BatchWords.h"
#include "desktop/RefusalWords.h"
#include "duplicates/ui/DupWords.h"
#include "help/HelpDocument.h"
#include "platform/desktop/ShownText.h"
#include "support/FormFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

namespace {

using quorvex::app::InterfaceLanguage;

// The build folder, where lrelease puts translations/quorvex_en.qm.
const std::string kBuildDir = QUORVEX_BINARY_DIR "/";

bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

// One code's wording on the desktop, beside what quorvex-cli prints for it where it
// prints it.
struct Wording
{
    std::string code;
    bool silent; // a code that is no failure: no words
    std::optional<std::string> cli;
    std::function<QString()> desktop;
};

std::vector<Wording> EveryWording()
{
    std::vector<Wording> wordings;
    quorvex::PlannedAction item;
    item.kept = "/kept/file";
    item.destination = "/moved/file";
    for (int code = 0; code <= static_cast<int>(quorvex::ActionFailure::System); ++code) {
        quorvex::ActionOutcome outcome;
        outcome.failure = static_cast<quorvex::ActionFailure>(code);
        outcome.detail = "Permission denied";
        const bool silent = outcome.failure == quorvex::ActionFailure::None ||
                            outcome.failure == quorvex::ActionFailure::Declined;
        wordings.push_back({"ActionFailure " + std::to_string(code), silent,
                            quorvex::cli::ActionFailureWords(item, outcome),
                            [=] { return ActionFailureWords::text(item, outcome); }});
    }
    for (int code = 0; code <= static_cast<int>(quorvex::RefusalReason::LinksNeedFullMatch);
         ++code) {
        const quorvex::InputRefusal refusal{static_cast<quorvex::RefusalReason>(code), "/in/put"};
        wordings.push_back({"RefusalReason " + std::to_string(code), code == 0,
                            quorvex::cli::RefusalWords(refusal),
                            [=] { return RefusalWords::text(refusal); }});
    }
    for (bool identical : {false, true})
        wordings.push_back({"nothing found " + std::to_string(identical), false,
                            quorvex::cli::NothingFoundWords(identical),
                            [=] { return DupWords::nothingFound(identical); }});
    for (bool folder : {false, true}) {
        for (auto action :
             {quorvex::BatchAction::DeleteEmptyItem, quorvex::BatchAction::RestoreFromTrash,
              quorvex::BatchAction::PurgeFromTrash}) {
            const quorvex::BatchItem item{action, "/p", folder};
            const std::string code = "BatchAction " + std::to_string(int(action));
            wordings.push_back(
                {code + " title", false, {}, [=] { return BatchWords::title(item); }});
            wordings.push_back(
                {code + " question", false, {}, [=] { return BatchWords::question(item); }});
        }
        for (auto problem :
             {quorvex::BatchProblem::DeleteFailed, quorvex::BatchProblem::RestoreFailed,
              quorvex::BatchProblem::DamagedEntry}) {
            const quorvex::BatchNote note{problem, "/p", folder, "x1"};
            wordings.push_back({"BatchProblem " + std::to_string(int(problem)), false, {}, [=] {
                                    return BatchWords::note(note);
                                }});
        }
    }
    return wordings;
}

// Every code has words (None and a declined deletion aside); the Japanese are the
// command-line tool's bytes where it has words for the code, so that the program says
// what it said before its texts went through the catalogue; the English hold no
// Japanese.
TEST(Translations, EveryCodeIsWordedInJapaneseAsTheCliSaysItAndInEnglish)
{
    const std::vector<Wording> wordings = EveryWording();
    for (const Wording& wording : wordings) {
        EXPECT_EQ(wording.desktop().isEmpty(), wording.silent) << wording.code;
        if (wording.cli) {
            EXPECT_EQ(wording.desktop(), ShownText(*wording.cli)) << wording.code;
        }
    }
    const InterfaceTranslations english(InterfaceLanguage::English, kBuildDir);
    for (const Wording& wording : wordings) {
        const QString text = wording.desktop();
        EXPECT_EQ(text.isEmpty(), wording.silent) << wording.code;
        EXPECT_FALSE(HasJapanese(text)) << wording.code << ": " << text.toStdString();
    }
}

// The clone action goes by one name, "リフリンク（複製）", in every Japanese text: the
// catalogue's sources (the desktop program's texts, which the command line's words
// equal) and the help.
TEST(Translations, TheCloneActionHasOneName)
{
    for (const char* file : {"/translations/quorvex_en.ts", "/assets/Help/Quorvex.htm"}) {
        std::ifstream in(std::string(QUORVEX_SOURCE_DIR) + file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        QString text = QString::fromStdString(bytes.str());
        ASSERT_FALSE(text.isEmpty()) << file;
        text.remove(QStringLiteral("リフリンク（複製）"));
        EXPECT_FALSE(text.contains(QStringLiteral("複製"))) << file;
        EXPECT_FALSE(text.contains(QStringLiteral("リフリンク(")) ||
                     text.contains(QStringLiteral("リフリンク（")))
            << file;
    }
}

// Run by CTest under LANG=en_US.UTF-8, ja_JP.UTF-8 and C, with the language the
// program must then start in.
TEST(Translations, TheProgramStartsInTheLanguageOfTheLocale)
{
    const QByteArray expected = qgetenv("QUORVEX_EXPECTED_LANGUAGE");
    if (expected.isEmpty())
        GTEST_SKIP() << "runs from CTest with a locale";
    const InterfaceLanguage language = StartLanguage(QStringLiteral("QuorvexNoSuchKey"));
    EXPECT_EQ(language,
              expected == "en" ? InterfaceLanguage::English : InterfaceLanguage::Japanese);

    const InterfaceTranslations translations(language, kBuildDir);
    quorvex::PlannedAction item;
    quorvex::ActionOutcome outcome;
    outcome.failure = quorvex::ActionFailure::Missing;
    EXPECT_EQ(ActionFailureWords::text(item, outcome), expected == "en"
                                                           ? QStringLiteral("It no longer exists.")
                                                           : QStringLiteral("見つかりません。"));
    // Qt's own dialogs follow: their buttons in Japanese from Qt's catalogue, else English.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"),
              expected == "en" ? QStringLiteral("&Yes") : QStringLiteral("はい(&Y)"));
    // The help document of the language, as the build lays it out beside the program.
    EXPECT_EQ(HelpDocumentPath(kBuildDir),
              QString::fromStdString(kBuildDir) + (expected == "en"
                                                       ? QStringLiteral("Help/Quorvex_en.htm")
                                                       : QStringLiteral("Help/Quorvex.htm")));
}

class LanguageOptionTest : public FormFixture
{
};

TEST_F(LanguageOptionTest, TheChoiceIsStoredAtOnceForTheNextStart)
{
    auto form = makeForm();
    auto* choices = form->findChild<QComboBox*>(QStringLiteral("LanguageChoices"));
    ASSERT_TRUE(choices);
    EXPECT_EQ(choices->currentText(), QStringLiteral("自動"));
    EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("LanguageNote"))->text(),
              QStringLiteral("表示言語の変更は、次回の起動から適用されます。"));

    choices->setCurrentIndex(2);
    emit choices->activated(2);
    EXPECT_EQ(quorvex::app::ReadLanguageChoice("Quorvex"), quorvex::app::LanguageChoice::English);
    // The interface of this run stays as it started.
    EXPECT_EQ(choices->itemText(0), QStringLiteral("自動"));

    // The next window shows the stored choice.
    form.reset();
    form = makeForm();
    EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("LanguageChoices"))->currentText(),
              QStringLiteral("English"));
}

} // namespace
