// The properties window of real files and folders.
#include "actions/ItemProperties.h"
#include "platform/desktop/SysImageList.h"

#include "support/TempTree.h"

#include <gtest/gtest.h>

using quorvex::test::TempTree;

TEST(ItemPropertiesDialog, ShowsWhatTheFileSystemSaysAboutAFile)
{
    TempTree tree;
    SysImageList images;
    const std::string file = tree.file("docs/report.txt", "12345", "2024-01-02 03:04:05");
    tree.setReadOnly("docs/report.txt", true);
    ItemPropertiesDialog dialog(nullptr, images, file);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("report.txt のプロパティ"));
    EXPECT_EQ(dialog.valueOf(QStringLiteral("名前")), QStringLiteral("report.txt"));
    EXPECT_FALSE(dialog.valueOf(QStringLiteral("種類")).isEmpty());
    EXPECT_EQ(dialog.valueOf(QStringLiteral("場所")), QString::fromStdString(tree.path("docs")));
    EXPECT_EQ(dialog.valueOf(QStringLiteral("サイズ")), QStringLiteral("5 バイト"));
    EXPECT_EQ(dialog.valueOf(QStringLiteral("更新日時")), QStringLiteral("2024/01/02 03:04:05"));
    EXPECT_TRUE(dialog.valueOf(QStringLiteral("属性")).contains(QLatin1Char('R')));
    EXPECT_TRUE(dialog.valueOf(QStringLiteral("アクセス権")).startsWith(QStringLiteral("r-")));
    EXPECT_FALSE(dialog.valueOf(QStringLiteral("所有者")).isEmpty());
}

TEST(ItemPropertiesDialog, FolderHasNoSizeAndAMissingItemSaysSo)
{
    TempTree tree;
    SysImageList images;
    ItemPropertiesDialog folder(nullptr, images, tree.dir("empty"));
    EXPECT_TRUE(folder.valueOf(QStringLiteral("サイズ")).isEmpty());
    EXPECT_TRUE(folder.valueOf(QStringLiteral("属性")).contains(QLatin1Char('D')));

    ItemPropertiesDialog missing(nullptr, images, tree.path("gone"));
    EXPECT_EQ(missing.valueOf(QStringLiteral("種類")), QStringLiteral("見つかりません"));
}
