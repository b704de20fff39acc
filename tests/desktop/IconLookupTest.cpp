// Icon lookups on real files: one desktop query per extension, the link mark, and
// names and types of the last lookup.
#include "desktop/IconLookup.h"
#include "platform/desktop/SysImageList.h"

#include "support/SystemText.h"
#include "support/TempTree.h"

#include <QLocale>
#include <gtest/gtest.h>

using quorvex::test::TempTree;

namespace {

struct IconLookupTest : ::testing::Test
{
    TempTree tree;
    SysImageList images;
    IconLookup lookup{images};
};

} // namespace

TEST_F(IconLookupTest, CachedIconAsksOncePerExtensionWhateverItsCase)
{
    const int first = lookup.GetCachedIcon(tree.file("a.txt", "text"));
    const int second = lookup.GetCachedIcon(tree.file("sub/B.TXT", "more"));
    EXPECT_NE(first, -1);
    EXPECT_EQ(second, first);
    EXPECT_EQ(lookup.desktopQueries(), 1);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::None);

    // After the cache is emptied the next file is asked about again.
    lookup.clearIconCache();
    EXPECT_EQ(lookup.GetCachedIcon(tree.file("c.txt")), first);
    EXPECT_EQ(lookup.desktopQueries(), 2);
}

TEST_F(IconLookupTest, FilesWithIconsOfTheirOwnAndWithoutExtensionAreAskedEachTime)
{
    lookup.GetCachedIcon(tree.file("one.exe"));
    lookup.GetCachedIcon(tree.file("two.EXE"));
    EXPECT_EQ(lookup.desktopQueries(), 2);
    lookup.GetCachedIcon(tree.file("README"));
    lookup.GetCachedIcon(tree.file("Makefile"));
    lookup.GetCachedIcon(tree.file(".hidden/notes"));
    EXPECT_EQ(lookup.desktopQueries(), 5);
    EXPECT_EQ(lookup.PerFileIconExts(), (QStringList{".ico", ".exe", ".lnk", ".scr", ".pif"}));
}

TEST_F(IconLookupTest, FoldersAndLinksNeitherTakeNorGiveTheTypeIcon)
{
    const int text = lookup.GetCachedIcon(tree.file("a.txt"));
    const int folder = lookup.GetCachedIcon(tree.dir("archive.txt"));
    EXPECT_NE(folder, text);
    EXPECT_EQ(lookup.GetPathIcon(tree.dir("plain"), false), folder);
    EXPECT_EQ(lookup.GetCachedIcon(tree.file("b.txt")), text);

#ifndef _WIN32 // Wine makes no symbolic links
    tree.symlink("link.txt", "a.txt");
    EXPECT_EQ(lookup.GetCachedIcon(tree.path("link.txt")), text);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::Link);
    EXPECT_EQ(lookup.GetCachedIcon(tree.path("b.txt")), text);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::None);
#endif
}

#ifndef _WIN32 // Wine makes no symbolic links
TEST_F(IconLookupTest, SymbolicLinksCarryTheLinkMark)
{
    tree.file("target.txt", "x");
    tree.dir("folder");
    tree.symlink("file-link", "target.txt");
    tree.symlink("folder-link", "folder");
    tree.symlink("dangling", "gone.txt");
    for (const char* name : {"file-link", "folder-link", "dangling"}) {
        EXPECT_NE(lookup.GetPathIcon(tree.path(name), false), -1) << name;
        EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::Link) << name;
    }
    lookup.GetPathIcon(tree.path("target.txt"), false);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::None);
    lookup.GetPathIcon(tree.path("folder"), false);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::None);
}
#endif

TEST_F(IconLookupTest, LookupLeavesDisplayAndTypeNames)
{
    const int icon = lookup.GetPathIcon(tree.file("report.txt", "hello"), false);
    EXPECT_TRUE(images.isValidIndex(icon));
    EXPECT_EQ(lookup.LastDisplayName(), QStringLiteral("report.txt"));
    EXPECT_FALSE(lookup.LastTypeName().isEmpty());
    EXPECT_FALSE(images.pixmap(icon).isNull());
#ifndef _WIN32 // Windows gives the system's own pictures, which have no names
    // A theme icon, not the style's generic fallback.
    EXPECT_FALSE(images.icon(icon).name().isEmpty());
#endif

    lookup.GetPathIcon(tree.dir("docs"), false);
    EXPECT_EQ(lookup.LastDisplayName(), QStringLiteral("docs"));
    const QString folderType = lookup.LastTypeName();
    EXPECT_FALSE(folderType.isEmpty());
    EXPECT_NE(folderType, QStringLiteral("docs"));
}

TEST_F(IconLookupTest, UnknownPathsGetTheIconOfTheirKind)
{
    const int text = lookup.GetPathIcon(tree.file("known.txt"), false);
    const QString textType = lookup.LastTypeName();
    EXPECT_EQ(lookup.GetPathIcon(tree.path("missing/never.txt"), false), text);
    EXPECT_EQ(lookup.LastTypeName(), textType);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::None);
    EXPECT_NE(lookup.GetPathIcon(tree.path("missing/no-extension"), false), -1);
}

#ifndef _WIN32 // file names in bytes of no encoding, and links, are Linux's
TEST_F(IconLookupTest, NamesThatAreNotUtf8AreLookedUpByTheirBytes)
{
    const std::string name = tree.file("caf\xe9.txt", "x");
    tree.symlink("l\xff", "caf\xe9.txt");
    EXPECT_NE(lookup.GetPathIcon(name, false), -1);
    EXPECT_FALSE(lookup.LastDisplayName().isEmpty());
    lookup.GetPathIcon(tree.path("l\xff"), false);
    EXPECT_EQ(lookup.OverlayIndex(), OverlayMark::Link);
}
#endif

TEST_F(IconLookupTest, TypeNamesFollowTheUserLanguage)
{
    if (quorvex::test::RunsUnderWine())
        GTEST_SKIP() << "Wine names file types in English whatever the language";
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    lookup.GetPathIcon(tree.file("a.txt"), false);
    const QString type = lookup.LastTypeName();
    QLocale::setDefault(QLocale::c());
    EXPECT_TRUE(std::any_of(type.begin(), type.end(), [](QChar c) {
        return c.unicode() >= 0x3000;
    })) << type.toStdString();
}

TEST(PathExtension, IsTakenFromTheLastNameOnly)
{
    EXPECT_EQ(PathExtension("/a/b.tar.gz"), QStringLiteral(".gz"));
    EXPECT_EQ(PathExtension("/a.d/file"), QString());
    EXPECT_EQ(PathExtension("/a/.bashrc"), QStringLiteral(".bashrc"));
    EXPECT_EQ(PathExtension("/a/dir/"), QString());
    EXPECT_EQ(PathExtension("name."), QStringLiteral("."));
}
