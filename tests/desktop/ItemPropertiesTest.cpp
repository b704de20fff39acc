// The properties window of real files, folders and links: the values it shows and
// what a screen reader hears of them.
#include "desktop/ItemProperties.h"
#include "platform/desktop/SysImageList.h"

#include "support/TempTree.h"

#include <QAccessible>
#include <gtest/gtest.h>

using quorvex::test::TempTree;

namespace {

// What a screen reader finds for each read-only text field of the window:
// "name|the name of the label that labels it|its text".
QStringList heardValues(QWidget& window)
{
    QStringList heard;
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&window)};
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
        QAccessibleTextInterface* text = node->textInterface();
        if (node->role() != QAccessible::EditableText || !node->state().readOnly || !text)
            continue;
        const auto labels = node->relations(QAccessible::Label);
        heard << node->text(QAccessible::Name) + '|' +
                     (labels.isEmpty() ? QString()
                                       : labels.front().first->text(QAccessible::Name)) +
                     '|' + text->text(0, text->characterCount());
    }
    heard.sort();
    return heard;
}

// Every caption is heard, labelled by itself, with the (non-empty) text shown.
void expectHeard(ItemPropertiesDialog& dialog, const QStringList& captions)
{
    QStringList expected;
    for (const QString& caption : captions) {
        EXPECT_FALSE(dialog.valueOf(caption).isEmpty()) << caption.toStdString();
        expected << caption + '|' + caption + ":|" + dialog.valueOf(caption);
    }
    expected.sort();
    EXPECT_EQ(heardValues(dialog), expected);
}

const QStringList kCommonCaptions{"名前",     "種類",         "場所",
                                  "更新日時", "アクセス日時", "属性の変更日時",
                                  "属性",     "アクセス権",   "所有者"};

} // namespace

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
    EXPECT_TRUE(dialog.valueOf(QStringLiteral("リンク先")).isEmpty());
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

TEST(ItemPropertiesDialog, AScreenReaderHearsEveryValueUnderItsCaption)
{
    TempTree tree;
    SysImageList images;
    const std::string file = tree.file("docs/report.txt", "12345");

    ItemPropertiesDialog ofFile(nullptr, images, file);
    expectHeard(ofFile, kCommonCaptions + QStringList{"サイズ"});

    ItemPropertiesDialog ofFolder(nullptr, images, tree.path("docs"));
    expectHeard(ofFolder, kCommonCaptions);

#ifndef _WIN32 // Wine makes no symbolic links
    const std::string link = tree.symlink("docs/shortcut", "report.txt");
    ItemPropertiesDialog ofLink(nullptr, images, link);
    expectHeard(ofLink, kCommonCaptions + QStringList{"サイズ", "リンク先"});
    EXPECT_EQ(ofLink.valueOf(QStringLiteral("リンク先")), QString::fromStdString(file));
#endif
}
