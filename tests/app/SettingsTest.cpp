// Settings and mask sets as the main window reads them at start and writes them at
// close, on hand-written registry files.
#include "app/ColorPanel.h"
#include "app/MaskBar.h"
#include "app/OptionsPage.h"
#include "app/TForm1.h"
#include "cache/ScanCache.h"
#include "controls/TSwitchButton.h"
#include "desktop/PathInput.h"
#include "duplicates/ui/DupSearchPage.h"
#include "platform/TextFile.h"
#include "support/FormFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/TempTree.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using quorvex::platform::ReadWholeFile;

std::string RegistryFile(std::string_view keyName, std::string_view values)
{
    return "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Vorle\\" +
           std::string(keyName) + "]\r\n" + std::string(values);
}

// The names of the values in a key file, in file order.
std::vector<std::string> ValueNames(const std::string& file)
{
    std::vector<std::string> names;
    for (const std::string& line : quorvex::platform::SplitLines(ReadWholeFile(file).value_or("")))
        if (line.size() > 1 && line[0] == '"')
            names.push_back(line.substr(1, line.find('"', 1) - 1));
    return names;
}

// The stored value that ReadSettings hands to a page binding `which`.
int StoredPageValue(TForm1& form, PageSetting which)
{
    int value = -1;
    form.registrations().bindSetting(
        which, [] { return 0; }, [&](int stored) { value = stored; });
    form.ReadSettings();
    return value;
}

class SettingsTest : public FormFixture
{
protected:
    void writeMaskSets(std::string_view values)
    {
        tree.file("config/Vorle/Caskwell/MaskData.reg", RegistryFile("Caskwell\\MaskData", values));
    }
    void writeOwnKey(std::string_view values)
    {
        tree.file("config/Vorle/Quorvex.reg", RegistryFile("Quorvex", values));
    }
    std::string ownKeyFile() const { return tree.path("config/Vorle/Quorvex.reg"); }
};

TEST_F(SettingsTest, WithoutMaskSetsTheMaskControlsStayDisabled)
{
    auto form = makeForm();
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->count(), 0);
    EXPECT_FALSE(form->Panel4->CheckBox1->isEnabled());
    EXPECT_FALSE(form->Panel4->ExclusionChkBox->isEnabled());
    EXPECT_TRUE(form->services().filters.activeMasks.empty());
}

TEST_F(SettingsTest, TitlesWithoutIndexSelectNothingAndMissingTextsAreEmpty)
{
    writeMaskSets("\"MaskTitle\"=\"画像\\r\\n文書\\nコピー用\"\r\n"
                  "\"画像\"=\"*.png\\r\\n*.jpg\"\r\n"
                  "\"コピー用\"=\"*.txt\"\r\n");
    auto form = makeForm();
    ASSERT_EQ(form->Panel4->MaskTitleComboBox->count(), 3);
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->itemText(1), QStringLiteral("文書"));
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->currentIndex(), -1);
    EXPECT_TRUE(form->services().filters.activeMasks.empty());
    EXPECT_EQ(form->Panel4->MaskSetTexts(),
              (std::vector<std::string>{"*.png\r\n*.jpg", "", "*.txt"}));
    EXPECT_TRUE(form->Panel4->CheckBox1->isEnabled());
    EXPECT_FALSE(form->Panel4->CheckBox1->isChecked());
    EXPECT_FALSE(form->Panel4->MaskTitleComboBox->isEnabled());
}

TEST_F(SettingsTest, StoredIndexAndExclusionAndLaterSelection)
{
    writeMaskSets("\"MaskExclusionFrg\"=dword:00000001\r\n"
                  "\"MaskTitle\"=\"既定\\r\\n除外する物\\r\\nコピー\"\r\n"
                  "\"Index\"=dword:00000002\r\n"
                  "\"既定\"=\"*.*\"\r\n"
                  "\"除外する物\"=\"*.tmp\\r\\n*.bak\"\r\n"
                  "\"コピー\"=\"*.c\\r\\n*.h\"\r\n");
    auto form = makeForm();
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->currentIndex(), 2);
    EXPECT_TRUE(form->Panel4->ExclusionChkBox->isChecked());
    EXPECT_TRUE(form->services().filters.exclusion);
    EXPECT_EQ(form->services().filters.activeMasks, (std::vector<std::string>{"*.c", "*.h"}));

    form->Panel4->MaskTitleComboBox->setCurrentIndex(1);
    form->Panel4->MaskTitleComboBoxChange();
    EXPECT_EQ(form->services().filters.activeMasks, (std::vector<std::string>{"*.tmp", "*.bak"}));
    EXPECT_TRUE(form->Panel4->ExclusionChkBox->isChecked());
    form->Panel4->MaskTitleComboBox->setCurrentIndex(0);
    form->Panel4->MaskTitleComboBoxChange();
    EXPECT_FALSE(form->Panel4->ExclusionChkBox->isChecked());
    EXPECT_EQ(form->services().filters.activeMasks, std::vector<std::string>{"*.*"});
}

TEST_F(SettingsTest, IndexBeyondTheTitlesSelectsNothing)
{
    writeMaskSets("\"MaskTitle\"=\"a\"\r\n\"Index\"=dword:00000007\r\n\"a\"=\"*.a\"\r\n");
    auto form = makeForm();
    EXPECT_EQ(form->Panel4->MaskTitleComboBox->currentIndex(), -1);
    EXPECT_TRUE(form->services().filters.activeMasks.empty());
}

TEST_F(SettingsTest, StoredValuesReachTheControlsAndTheirHandlers)
{
    writeOwnKey("\"kbsize\"=dword:00000000\r\n\"sys\"=dword:00000005\r\n"
                "\"color\"=dword:00123456\r\n\"color2\"=dword:00abcdef\r\n"
                "\"height\"=dword:00000064\r\n\"sikii\"=dword:00000032\r\n");
    int threshold = 0;
    {
        // A page binds the threshold while the window is built; here after the
        // fact, so the stored value is handed on through the fallback.
        auto form = makeForm();
        EXPECT_FALSE(form->findChild<OptionsPage*>()->CheckBox5->isChecked());
        EXPECT_FALSE(form->services().listLook.sizeInBytes());
        EXPECT_TRUE(form->findChild<OptionsPage*>()->SystemOkChkBox->isChecked());
        EXPECT_EQ(form->statusText(1), QStringLiteral("システム属性"));
        EXPECT_TRUE(form->services().filters.includeSystem);
        EXPECT_EQ(form->findChild<OptionsPage*>()->Panel1->colorRef(), 0x123456u);
        EXPECT_EQ(form->findChild<OptionsPage*>()->Panel6->colorRef(), 0x73D299u);
        EXPECT_EQ(form->findChild<OptionsPage*>()->Panel7->colorRef(), 0xABCDEFu);
        form->registrations().bindSetting(
            PageSetting::Threshold, [&] { return threshold; },
            [&](int value) { threshold = value; });
        form->ReadSettings();
        EXPECT_EQ(threshold, 50);
        threshold = 70;
        form->close();
    }
    auto reread = makeForm();
    int height = 0;
    reread->registrations().bindSetting(
        PageSetting::ListBox1Height, [] { return 0; }, [&](int value) { height = value; });
    reread->ReadSettings();
    EXPECT_EQ(height, 100);
    int sikii = 0;
    reread->registrations().bindSetting(
        PageSetting::Threshold, [] { return 0; }, [&](int value) { sikii = value; });
    reread->ReadSettings();
    EXPECT_EQ(sikii, 70);
}

TEST_F(SettingsTest, FirstCloseWritesExactlyTheEightValuesAndTheNextStartAddsUpdatepath)
{
    makeForm()->close();
    const std::vector<std::string> eight = {"kbsize", "sys",    "hid",    "color",
                                            "color1", "color2", "height", "sikii"};
    EXPECT_EQ(ValueNames(ownKeyFile()), eight);

    makeForm(); // no close: only "updatepath" is added at start
    std::vector<std::string> nine = eight;
    nine.push_back("updatepath");
    EXPECT_EQ(ValueNames(ownKeyFile()), nine);
    const std::string file = ReadWholeFile(ownKeyFile()).value();
    EXPECT_NE(file.find("\"kbsize\"=dword:00000001"), std::string::npos);
    EXPECT_NE(file.find("\"color\"=dword:0030e2fc"), std::string::npos) << file;
    EXPECT_NE(file.find("\"height\"=dword:000000e9"), std::string::npos);
    EXPECT_NE(file.find("\"sikii\"=dword:00000064"), std::string::npos);
}

TEST_F(SettingsTest, OutOfRangeThresholdIsBroughtIntoRange)
{
    writeOwnKey("\"sikii\"=dword:00001388\r\n");
    auto form = makeForm();
    int sikii = 0;
    form->registrations().bindSetting(
        PageSetting::Threshold, [] { return 0; }, [&](int value) { sikii = value; });
    form->ReadSettings();
    EXPECT_EQ(sikii, 100);
}

TEST_F(SettingsTest, OutOfRangeValuesAreClampedAndWrittenBackInRange)
{
    writeOwnKey("\"height\"=dword:7fffffff\r\n\"color\"=dword:ff123456\r\n");
    {
        auto form = makeForm();
        EXPECT_EQ(form->findChild<OptionsPage*>()->Panel1->colorRef(), 0x123456u);
        form->close();
    }
    const std::string file = ReadWholeFile(ownKeyFile()).value();
    EXPECT_NE(file.find("\"height\"=dword:000001fc"), std::string::npos) << file;
    EXPECT_NE(file.find("\"color\"=dword:00123456"), std::string::npos) << file;

    for (const char* height : {"00000000", "ffffffff"}) {
        writeOwnKey("\"height\"=dword:" + std::string(height) + "\r\n");
        auto form = makeForm();
        EXPECT_EQ(StoredPageValue(*form, PageSetting::ListBox1Height),
                  std::string(height) == "00000000" ? 60 : 508);
    }
}

TEST_F(SettingsTest, DamagedOrEmptyFilesNeverStopTheStartAndAreOnlyReplacedWhole)
{
    writeOwnKey("\"hid\"=dword:00000001\r\nthis line is garbage\r\n\"sys\"=dword:00000001\r\n");
    writeMaskSets("\"MaskTitle\"=\"a\r\n");
    const std::string damaged = ReadWholeFile(ownKeyFile()).value();
    {
        auto form = makeForm();
        EXPECT_TRUE(form->findChild<OptionsPage*>()->HidenOkChkBox->isChecked());
        EXPECT_FALSE(form->findChild<OptionsPage*>()->SystemOkChkBox->isChecked());
        EXPECT_EQ(ReadWholeFile(ownKeyFile()).value(), damaged);
        EXPECT_FALSE(form->Panel4->CheckBox1->isEnabled());
        EXPECT_EQ(dialogs.calls().size(), 0u);
        form->close();
    }
    EXPECT_EQ(ValueNames(ownKeyFile()).size(), 8u);

    tree.file("config/Vorle/Quorvex.reg", "");
    auto form = makeForm();
    EXPECT_TRUE(form->findChild<OptionsPage*>()->CheckBox5->isChecked());
    EXPECT_EQ(dialogs.calls().size(), 0u);
}

} // namespace

// "キャッシュを使う" is stored at once and read at the next start; while it is on, a
// duplicate search fills the cache, and the button beside it empties the cache.
TEST_F(SettingsTest, TheCacheChoiceIsStoredAtOnceAndTheSearchFollowsIt)
{
    const std::string cachePath = tree.path("cache/c.sqlite");
    qputenv("QUORVEX_CACHE", QByteArray::fromStdString(cachePath));
    for (const char* name : {"s/a.txt", "s/sub/b.txt"})
        tree.file(name, "same text", "2021-01-01 00:00:00");
    const auto search = [&](TForm1& form) {
        auto* page = form.findChild<DupSearchPage*>();
        page->FolderInput->Edit->setText(QString::fromStdString(tree.path("s")));
        const QPoint centre = page->SwitchButton8->rect().center();
        QTest::mousePress(page->SwitchButton8, Qt::LeftButton, {}, centre);
        QTest::mouseRelease(page->SwitchButton8, Qt::LeftButton, {}, centre);
    };
    const auto entries = [&] {
        std::string problem;
        const auto cache = quorvex::cache::ScanCache::Open(cachePath, problem);
        return cache ? cache->stats().entries : 0;
    };
    {
        auto form = makeForm();
        auto* use = form->findChild<QCheckBox*>(QStringLiteral("CacheUse"));
        ASSERT_NE(use, nullptr);
        EXPECT_TRUE(use->isChecked()); // on unless turned off
        use->click();
        search(*form);
    }
    EXPECT_EQ(entries(), 0u);
    EXPECT_NE(ReadWholeFile(ownKeyFile()).value_or("").find("\"cache\"=dword:00000000"),
              std::string::npos);
    auto form = makeForm();
    auto* use = form->findChild<QCheckBox*>(QStringLiteral("CacheUse"));
    EXPECT_FALSE(use->isChecked());
    use->click();
    search(*form);
    EXPECT_EQ(entries(), 2u);
    auto* size = form->findChild<QLabel*>(QStringLiteral("CacheSize"));
    form->findChild<QPushButton*>(QStringLiteral("CacheClear"))->click();
    EXPECT_EQ(entries(), 0u);
    EXPECT_FALSE(size->text().isEmpty());
    qunsetenv("QUORVEX_CACHE");
}
