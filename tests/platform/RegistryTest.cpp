#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/RegistryFiles.h"
#include "platform/TextFile.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

class Registry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* old = std::getenv("QUORVEX_CONFIG_HOME");
        saved_ = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("QUORVEX_CONFIG_HOME", tree_.root().c_str(), 1);
    }
    void TearDown() override
    {
        SetFaultHook(nullptr);
        if (saved_)
            ::setenv("QUORVEX_CONFIG_HOME", saved_->c_str(), 1);
        else
            ::unsetenv("QUORVEX_CONFIG_HOME");
    }
    std::string fileText(const std::string& relative) const
    {
        return ReadWholeFile(tree_.path(relative)).value_or("<missing>");
    }

    test::TempTree tree_;
    std::optional<std::string> saved_;
};

TEST_F(Registry, KeyPathsMapToFilesOfTheBranch)
{
    EXPECT_EQ(RegistryKeyFile("Software\\Vorle\\Quorvex"), tree_.path("Vorle/Quorvex.reg"));
    EXPECT_EQ(RegistryKeyFile("\\software\\vorle\\Caskwell\\MaskData"),
              tree_.path("Vorle/Caskwell/MaskData.reg"));
    EXPECT_EQ(VorleKeyPath("Quorvex"), "Software\\Vorle\\Quorvex");
    EXPECT_FALSE(RegistryKeyFile("Software\\Other\\Quorvex"));
    EXPECT_FALSE(RegistryKeyFile("Software\\Vorle\\"));
    EXPECT_FALSE(RegistryKeyFile("Software\\Vorle\\..\\..\\etc"));
    EXPECT_FALSE(RegistryKeyFile("Software\\Vorle\\a\\\\b"));
    EXPECT_FALSE(RegistryKeyFile("Software\\Vorle\\a/b"));
}

TEST_F(Registry, EveryTypeRoundTripsThroughTheFile)
{
    {
        auto key = RegistryKey::openOrCreate(VorleKeyPath("Quorvex"));
        ASSERT_TRUE(key);
        key->writeString("updatepath", "/opt/qv/");
        key->writeString("odd", "a\\b \"q\"\r\nline2 日本");
        key->writeDword("color", 0x30E2FC);
        key->writeBool("kbsize", true);
        key->writeBool("sys", false);
        key->writeDword("Color", 0x815F4E); // same value: names ignore letter case
    }
    EXPECT_EQ(fileText("Vorle/Quorvex.reg"), "Windows Registry Editor Version 5.00\n\n"
                                             "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                                             "\"updatepath\"=\"/opt/qv/\"\n"
                                             "\"odd\"=\"a\\\\b \\\"q\\\"\\r\\nline2 日本\"\n"
                                             "\"color\"=dword:00815f4e\n"
                                             "\"kbsize\"=dword:00000001\n"
                                             "\"sys\"=dword:00000000\n\n");

    auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
    ASSERT_TRUE(key);
    EXPECT_EQ(key->readString("odd"), "a\\b \"q\"\r\nline2 日本");
    EXPECT_EQ(key->readDword("COLOR"), 0x815F4Eu);
    EXPECT_EQ(key->readBool("kbsize"), true);
    EXPECT_EQ(key->readBool("sys"), false);
    EXPECT_TRUE(key->hasValue("UpdatePath"));
    EXPECT_FALSE(key->hasValue("hid"));
    EXPECT_FALSE(key->readDword("updatepath")); // another type
    EXPECT_FALSE(key->readString("color"));
    EXPECT_FALSE(key->readBool("missing"));
}

TEST_F(Registry, OpeningWithoutCreatingNeedsTheFile)
{
    EXPECT_FALSE(RegistryKey::open(VorleKeyPath("Caskwell\\MaskData")));
    {
        auto key = RegistryKey::openOrCreate(VorleKeyPath("Quorvex"));
        ASSERT_TRUE(key);
        EXPECT_FALSE(key->hasValue("kbsize"));
    }
    EXPECT_FALSE(LookupEntry(tree_.path("Vorle/Quorvex.reg"))); // nothing written, no file
    EXPECT_FALSE(RegistryKey::openOrCreate("Software\\Elsewhere\\Quorvex"));

    // A file that exists but cannot be read is neither opened nor overwritten.
    tree_.file("Vorle/Quorvex.reg", "Windows Registry Editor Version 5.00\n");
    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Open; });
    EXPECT_FALSE(RegistryKey::open(VorleKeyPath("Quorvex")));
    EXPECT_FALSE(RegistryKey::openOrCreate(VorleKeyPath("Quorvex")));
}

TEST_F(Registry, HandWrittenFilesAndUnknownValues)
{
    tree_.file("Vorle/Caskwell/MaskData.reg",
               "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
               "\r\n"
               "; written by hand\r\n"
               "[HKEY_CURRENT_USER\\Software\\Vorle\\Caskwell\\MaskData]\r\n"
               "\"MaskTitle\" = \"画像\\r\\n文書\"\r\n"
               "\"Index\"=dword:1\r\n"
               "\"Binary\"=hex:01,02,\\\r\n"
               "  03,04\r\n"
               "@=\"default\"\r\n");
    {
        auto key = RegistryKey::open(VorleKeyPath("Caskwell\\MaskData"));
        ASSERT_TRUE(key);
        EXPECT_EQ(key->readString("MaskTitle"), "画像\r\n文書");
        EXPECT_EQ(key->readDword("Index"), 1u);
        EXPECT_EQ(key->readString(""), "default");
        EXPECT_FALSE(key->readString("Binary"));
        EXPECT_TRUE(key->hasValue("Binary"));
        key->writeDword("Index", 0);
    }
    EXPECT_EQ(fileText("Vorle/Caskwell/MaskData.reg"),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Vorle\\Caskwell\\MaskData]\n"
              "\"MaskTitle\"=\"画像\\r\\n文書\"\n"
              "\"Index\"=dword:00000000\n"
              "\"Binary\"=hex:01,02,03,04\n"
              "@=\"default\"\n\n");

    // A key exported on Windows is UTF-16 with a byte order mark.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("Windows Registry Editor Version 5.00\r\n\r\n"
                                    "[HKEY_CURRENT_USER\\Software\\Vorle\\Exported]\r\n"
                                    "\"MaskTitle\"=\"@\"\r\n")) {
        if (c == '@')
            utf16 += "\xE5\x65"; // U+65E5
        else
            utf16 += std::string{c, '\0'};
    }
    tree_.file("Vorle/Exported.reg", utf16);
    EXPECT_EQ(RegistryKey::open(VorleKeyPath("Exported"))->readString("MaskTitle"), "日");

    // A file in the Windows code page reads as well.
    tree_.file("Vorle/Quorvex.reg", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                                    "\"updatepath\"=\"C:\\\\\x95\x5c\\\\\"\n");
    EXPECT_EQ(RegistryKey::open(VorleKeyPath("Quorvex"))->readString("updatepath"), "C:\\表\\");
}

TEST_F(Registry, DamagedFilesReadAsFarAsTheyParse)
{
    const std::string damaged = "Windows Registry Editor Version 5.00\n\n"
                                "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                                "\"height\"=dword:000000e9\n"
                                "\"sikii\"=dword:zz\n"
                                "\"kbsize\"=dword:00000000\n";
    tree_.file("Vorle/Quorvex.reg", damaged);
    {
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        ASSERT_TRUE(key);
        EXPECT_EQ(key->readDword("height"), 233u);
        EXPECT_FALSE(key->hasValue("sikii"));
        EXPECT_FALSE(key->hasValue("kbsize"));
    }
    EXPECT_EQ(fileText("Vorle/Quorvex.reg"), damaged); // reading changes nothing

    {
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        key->writeDword("sikii", 50);
        EXPECT_TRUE(key->flush());
    }
    EXPECT_EQ(fileText("Vorle/Quorvex.reg.damaged-1"), damaged);
    auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
    EXPECT_EQ(key->readDword("height"), 233u);
    EXPECT_EQ(key->readDword("sikii"), 50u);

    for (const char* text :
         {"", "garbage", "\"a\"=dword:1\n", "Windows Registry Editor Version 5.00\n\"a\"=dword:1\n",
          "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Other]\n"}) {
        tree_.file("Vorle/Broken.reg", text);
        auto broken = RegistryKey::open(VorleKeyPath("Broken"));
        ASSERT_TRUE(broken) << text;
        EXPECT_FALSE(broken->hasValue("a")) << text;
    }
}

TEST_F(Registry, EveryDamagedFileKeepsItsOwnCopy)
{
    const std::string header = "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n";
    for (const char* damage : {"\"sikii\"=dword:zz\n", "[second]\n"}) {
        tree_.file("Vorle/Quorvex.reg", header + damage);
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        ASSERT_TRUE(key->isDamaged());
        key->writeDword("sikii", 50);
        ASSERT_TRUE(key->flush());
    }
    EXPECT_EQ(fileText("Vorle/Quorvex.reg.damaged-1"), header + "\"sikii\"=dword:zz\n");
    EXPECT_EQ(fileText("Vorle/Quorvex.reg.damaged-2"), header + "[second]\n");
}

TEST_F(Registry, ValuesThatAreNoTextKeepTheirBytesThroughARewrite)
{
    // A value holding bytes of no known encoding, among UTF-8 and CP932 lines.
    const std::string odd = "\"odd\"=\"\xff\xfe name \x80\"\n";
    tree_.file("Vorle/Quorvex.reg", "Windows Registry Editor Version 5.00\n\n"
                                    "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                                    "\"utf8\"=\"日本\"\n" +
                                        odd + "\"sjis\"=\"\x93\xfa\"\n");
    {
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        EXPECT_FALSE(key->isDamaged());
        EXPECT_EQ(key->readString("utf8"), "日本");
        EXPECT_EQ(key->readString("sjis"), "日");
        key->writeDword("sikii", 50);
    }
    EXPECT_EQ(fileText("Vorle/Quorvex.reg"), "Windows Registry Editor Version 5.00\n\n"
                                             "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                                             "\"utf8\"=\"日本\"\n" +
                                                 odd +
                                                 "\"sjis\"=\"日\"\n"
                                                 "\"sikii\"=dword:00000032\n\n");

    // UTF-16 that is no text (a lone surrogate) cannot be written back as it was: the
    // file counts as damaged, so that a rewrite keeps it aside.
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("Windows Registry Editor Version 5.00\r\n\r\n"
                                    "[HKEY_CURRENT_USER\\Software\\Vorle\\Exported]\r\n"
                                    "\"v\"=\"@x\"\r\n"))
        utf16 += c == '@' ? std::string("\x00\xD8", 2) : std::string{c, '\0'};
    tree_.file("Vorle/Exported.reg", utf16);
    auto exported = RegistryKey::open(VorleKeyPath("Exported"));
    EXPECT_TRUE(exported->hasValue("v"));
    EXPECT_TRUE(exported->isDamaged());
}

TEST_F(Registry, AValueThatWouldReadBackOtherwiseKeepsTheOldFileAside)
{
    // A value continued over two lines of bytes of no encoding, which joined on one
    // line read as CP932 text ("hex:" + "あ").
    const std::string file = "Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\r\n"
                             "\"v\"=hex:\x82\\\r\n\xa0\r\n";
    tree_.file("Vorle/Quorvex.reg", file);
    {
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        EXPECT_FALSE(key->isDamaged());
        key->writeDword("sikii", 50);
        ASSERT_TRUE(key->flush());
        key->writeDword("sikii", 10);
        ASSERT_TRUE(key->flush()); // the same values again: nothing more to keep
    }
    EXPECT_EQ(fileText("Vorle/Quorvex.reg.damaged-1"), file);
    EXPECT_EQ(fileText("Vorle/Quorvex.reg.damaged-2"), "<missing>");
}

TEST_F(Registry, AFileCutOffInItsLastLineIsDamaged)
{
    const std::string header = "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                               "\"sikii\"=dword:00000032\n";
    for (const char* cut : {"\"height\"=dword:000", "\"height\"=dword:000000e",
                            "\"height\"=hex:01,0", "\"height\"=dw", "\"height\"=hex:01,\\\n"}) {
        tree_.file("Vorle/Quorvex.reg", header + cut);
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        EXPECT_TRUE(key->isDamaged()) << cut;
        EXPECT_FALSE(key->hasValue("height")) << cut;
        EXPECT_EQ(key->readDword("sikii"), 50u);
    }
    // Whole values without a final line break (as a hand-written file may end).
    for (const char* whole : {"\"height\"=dword:000000e9", "\"height\"=\"233\""}) {
        tree_.file("Vorle/Quorvex.reg", header + whole);
        auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
        EXPECT_FALSE(key->isDamaged()) << whole;
        EXPECT_TRUE(key->hasValue("height")) << whole;
    }

    // A file larger than any the program writes is read up to the limit, and kept.
    std::string huge = header;
    while (huge.size() <= kStateFileLimit)
        huge += "\"filler\"=\"" + std::string(1000, 'f') + "\"\n";
    tree_.file("Vorle/Quorvex.reg", huge);
    auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
    EXPECT_TRUE(key->isDamaged());
    EXPECT_EQ(key->readDword("sikii"), 50u);
    key->writeDword("sikii", 10);
    ASSERT_TRUE(key->flush());
    EXPECT_EQ(fileText("Vorle/Quorvex.reg.damaged-1"), huge);
}

TEST_F(Registry, FailedRewritesKeepTheOldFile)
{
    tree_.file("Vorle/Quorvex.reg", "Windows Registry Editor Version 5.00\n\n"
                                    "[HKEY_CURRENT_USER\\Software\\Vorle\\Quorvex]\n"
                                    "\"sikii\"=dword:00000032\n");
    auto key = RegistryKey::open(VorleKeyPath("Quorvex"));
    key->writeDword("sikii", 10);
    SetFaultHook([](FaultPoint point, std::string_view) { return point == FaultPoint::Write; });
    EXPECT_FALSE(key->flush());
    SetFaultHook(nullptr);
    EXPECT_EQ(RegistryKey::open(VorleKeyPath("Quorvex"))->readDword("sikii"), 50u);
    EXPECT_TRUE(key->flush()); // still pending, written now
    EXPECT_EQ(RegistryKey::open(VorleKeyPath("Quorvex"))->readDword("sikii"), 10u);
}

} // namespace
} // namespace quorvex::platform
