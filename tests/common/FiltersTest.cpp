#include <gtest/gtest.h>

#include "common/Filters.h"
#include "common/MaskCount.h"
#include "support/TempTree.h"

using namespace quorvex;

namespace {

FilterSettings masks(std::vector<std::string> list, bool exclusion)
{
    FilterSettings s;
    s.useMasks = true;
    s.exclusion = exclusion;
    s.activeMasks = std::move(list);
    return s;
}

bool passes(std::string_view name, const FilterSettings& s)
{
    return PassesMaskFilter(ExtensionKey(name, ExtensionRule::LastDot), s);
}

} // namespace

TEST(AttributeFilter, HiddenRuleComesBeforeSystemRule)
{
    FilterSettings s;
    EXPECT_TRUE(PassesAttributeFilter(0x20, s));
    EXPECT_FALSE(PassesAttributeFilter(0x02, s));
    EXPECT_FALSE(PassesAttributeFilter(0x04, s));
    s.includeHidden = true;
    EXPECT_TRUE(PassesAttributeFilter(0x02, s));
    // Hidden and system: once hidden entries are allowed, the system option decides.
    EXPECT_FALSE(PassesAttributeFilter(0x06, s));
    s.includeSystem = true;
    EXPECT_TRUE(PassesAttributeFilter(0x06, s));
    s.includeHidden = false;
    EXPECT_FALSE(PassesAttributeFilter(0x06, s));
}

TEST(ExtensionKey, BothDerivations)
{
    EXPECT_EQ(ExtensionKey("report.final.TXT", ExtensionRule::LastDot), "*.TXT");
    EXPECT_EQ(ExtensionKey("Makefile", ExtensionRule::LastDot), "*");
    EXPECT_EQ(ExtensionKey("archive.", ExtensionRule::LastDot), "*.");
    EXPECT_EQ(ExtensionKey(".profile", ExtensionRule::LastDot), "*.profile");
    EXPECT_EQ(ExtensionKey("backup.tar.gz", ExtensionRule::LastDot), "*.gz");
    EXPECT_EQ(ExtensionKey("backup.tar.gz", ExtensionRule::FirstDot), "*.tar.gz");
    EXPECT_EQ(ExtensionKey("README", ExtensionRule::FirstDot), "*");
}

TEST(MaskFilter, KeepAndExcludeModes)
{
    auto keep = masks({"*.txt"}, false);
    EXPECT_TRUE(passes("A.TXT", keep));
    EXPECT_FALSE(passes("notes.txt.bak", keep));
    EXPECT_FALSE(passes("README", keep));

    auto drop = masks({"*.txt"}, true);
    EXPECT_FALSE(passes("A.TXT", drop));
    EXPECT_TRUE(passes("README", drop));

    EXPECT_FALSE(passes("x.txt", masks({}, false)));
    EXPECT_TRUE(passes("x.txt", masks({}, true)));
}

TEST(MaskFilter, QuestionMarksAndStarDotStar)
{
    auto s = masks({"*.?"}, false);
    EXPECT_TRUE(PassesMaskFilter("*.c", s));
    EXPECT_TRUE(PassesMaskFilter("*.", s)); // the "?" is appended to the short key
    EXPECT_FALSE(PassesMaskFilter("*", s));
    EXPECT_FALSE(PassesMaskFilter("*.cs", s));

    // Appended "?" go to the end of the key, not to the mask's position.
    EXPECT_TRUE(PassesMaskFilter("*", masks({"*??"}, false)));
    EXPECT_TRUE(PassesMaskFilter("*.JPG", masks({"*.j?g"}, false)));

    auto all = masks({"*.txt", "*.*"}, false);
    EXPECT_TRUE(passes("README", all));
    EXPECT_TRUE(passes("a.bin", all));
    // "*.*" is compared as stored: another spelling is an ordinary mask.
    EXPECT_FALSE(passes("README", masks({"*.*\r"}, false)));
    // Multi-byte names are matched byte for byte; only ASCII letters fold.
    EXPECT_TRUE(passes("写真.ＪＰＧ", masks({"*.ＪＰＧ"}, false)));
    EXPECT_FALSE(passes("写真.ＪＰＧ", masks({"*.ｊｐｇ"}, false)));
}

TEST(AttributeText, LettersInFixedOrder)
{
    EXPECT_EQ(FormatAttributeText(0x20), "A");
    EXPECT_EQ(FormatAttributeText(0x23), "A/H/R");
    EXPECT_EQ(FormatAttributeText(0x16), "D/H/S");
    EXPECT_EQ(FormatAttributeText(0x1B7), "A/D/H/R/N/S/T");
    EXPECT_EQ(FormatAttributeText(0x400 | 0x08 | 0x40), "");
}

TEST(MaskTitle, ExclusionRule)
{
    EXPECT_EQ(ExclusionForMaskTitle(0, "除外セット"), false);
    EXPECT_EQ(ExclusionForMaskTitle(2, "画像を除外"), true);
    EXPECT_EQ(ExclusionForMaskTitle(2, "除外してコピー"), true);
    EXPECT_EQ(ExclusionForMaskTitle(1, "コピー用"), false);
    EXPECT_EQ(ExclusionForMaskTitle(1, "文書"), std::nullopt);
}

TEST(CountMaskedFiles, CountsFilesByFirstDotKeyAndSkipsDotFolders)
{
    test::TempTree t;
    t.file("a.tar.gz");
    t.file(".hidden.txt");
    t.file("sub/b.txt");
    t.file("sub/deeper/c.txt.gz");
    t.file(".git/d.txt");
#ifndef _WIN32
    t.symlink("link", "sub");
#endif
    auto s = masks({"*.txt"}, false);
    EXPECT_EQ(CountMaskedFiles(t.root(), s), 1u); // only sub/b.txt: keys are first-dot
    s.activeMasks = {"*.hidden.txt", "*.tar.gz"};
    EXPECT_EQ(CountMaskedFiles(t.root(), s), 2u);
    s.useMasks = false;
    EXPECT_EQ(CountMaskedFiles(t.root(), s), 4u); // the link to a folder is no file
}
