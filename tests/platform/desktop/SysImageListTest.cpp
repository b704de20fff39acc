// The icon store: theme set-up (Linux), stable indices, fallbacks and the overlay
// marks.
#include "platform/desktop/SysImageList.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#ifndef _WIN32
TEST(SysImageList, FindsTheThemeIconsOffscreen)
{
    SysImageList images;
    EXPECT_TRUE(QIcon::themeSearchPaths().contains(QStringLiteral("/usr/share/icons")));
    EXPECT_FALSE(QIcon::themeName().isEmpty());
    EXPECT_TRUE(QIcon::hasThemeIcon(QStringLiteral("folder")));
}
#endif

TEST(SysImageList, SameIconNameGivesTheSameIndex)
{
    SysImageList images;
    const int folder = images.indexOf({QStringLiteral("folder")}, true);
    const int text =
        images.indexOf({QStringLiteral("no-such-icon"), QStringLiteral("text-x-generic")}, false);
    EXPECT_NE(folder, text);
    EXPECT_EQ(images.indexOf({QStringLiteral("folder")}, true), folder);
    EXPECT_EQ(images.indexOf({QStringLiteral("text-x-generic")}, false), text);
    EXPECT_EQ(images.count(), 2);
    EXPECT_EQ(images.pixmap(folder).size(), QSize(16, 16));
    EXPECT_TRUE(images.pixmap(images.count()).isNull());
    EXPECT_TRUE(images.pixmap(-1).isNull());

    // An icon kept under a key is made once.
    int loads = 0;
    const auto load = [&loads] {
        ++loads;
        return QIcon();
    };
    const int keyed = images.indexOf(QStringLiteral("system:3"), load);
    EXPECT_EQ(images.indexOf(QStringLiteral("system:3"), load), keyed);
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(images.count(), 3);
}

TEST(SysImageList, NamesTheThemeLacksFallBackToTheGenericIcons)
{
    SysImageList images;
    const int file = images.indexOf({QStringLiteral("no-such-icon")}, false);
    const int folder = images.indexOf({QString(), QStringLiteral("nor-this")}, true);
    EXPECT_NE(file, folder);
    EXPECT_EQ(images.indexOf({QStringLiteral("another-missing")}, false), file);
    EXPECT_FALSE(images.pixmap(file).isNull());
    EXPECT_FALSE(images.pixmap(folder).isNull());
}

TEST(SysImageList, LinkMarkCoversOnlyTheLowerLeftCorner)
{
    SysImageList images;
    EXPECT_TRUE(images.overlayPixmap(OverlayMark::None).isNull());
    QImage canvas(16, 16, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        images.drawOverlay(painter, QPoint(0, 0), OverlayMark::Link);
    }
    EXPECT_EQ(qAlpha(canvas.pixel(14, 1)), 0);
    EXPECT_EQ(qAlpha(canvas.pixel(3, 12)), 255);
}
