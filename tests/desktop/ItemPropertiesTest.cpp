// The properties window of real files, folders and links: the values it shows and
// what a screen reader hears of them.
#include "desktop/ItemProperties.h"
#include "platform/desktop/SysImageList.h"

#include "support/TempTree.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <memory>

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

// The window of an item that exists.
std::unique_ptr<ItemPropertiesDialog> propertiesOf(SysImageList& images, const std::string& path)
{
    const auto entry = quorvex::platform::LookupEntry(path);
    EXPECT_TRUE(entry.has_value()) << path;
    return std::make_unique<ItemPropertiesDialog>(nullptr, images, path, entry.value());
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
    const auto shown = propertiesOf(images, file);
    ItemPropertiesDialog& dialog = *shown;
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

TEST(ItemPropertiesDialog, APictureShowsItsSizeInPixels)
{
    TempTree tree;
    SysImageList images;
    const std::string picture = tree.path("wide.png");
    QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(picture));
    EXPECT_EQ(propertiesOf(images, picture)->valueOf(QStringLiteral("画像サイズ")),
              QStringLiteral("40 × 30 ピクセル"));
    // A file named like a picture that is none has no such row.
    const std::string fake = tree.file("fake.png", "not a picture");
    EXPECT_TRUE(propertiesOf(images, fake)->valueOf(QStringLiteral("画像サイズ")).isEmpty());
}

TEST(ItemPropertiesDialog, FolderHasNoSize)
{
    TempTree tree;
    SysImageList images;
    const auto folder = propertiesOf(images, tree.dir("empty"));
    EXPECT_TRUE(folder->valueOf(QStringLiteral("サイズ")).isEmpty());
    EXPECT_TRUE(folder->valueOf(QStringLiteral("属性")).contains(QLatin1Char('D')));
}

// "プロパティ" opens a window for an item that exists and does nothing for one that
// has gone since the list was made (Windows shows the system's sheet instead).
#ifndef _WIN32
TEST(ShowItemProperties, OpensAWindowOnlyForAnItemThatExists)
{
    TempTree tree;
    SysImageList images;
    const auto shownWindows = [] {
        int count = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            count += qobject_cast<ItemPropertiesDialog*>(window) && window->isVisible();
        return count;
    };
    ShowItemProperties(nullptr, images, tree.path("gone.txt"));
    EXPECT_EQ(shownWindows(), 0);
    ShowItemProperties(nullptr, images, tree.file("here.txt"));
    EXPECT_EQ(shownWindows(), 1);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<ItemPropertiesDialog*>(window))
            window->close(); // deletes itself
}
#endif

TEST(ItemPropertiesDialog, AScreenReaderHearsEveryValueUnderItsCaption)
{
    TempTree tree;
    SysImageList images;
    const std::string file = tree.file("docs/report.txt", "12345");

    expectHeard(*propertiesOf(images, file), kCommonCaptions + QStringList{"サイズ"});
    expectHeard(*propertiesOf(images, tree.path("docs")), kCommonCaptions);

#ifndef _WIN32 // Wine makes no symbolic links
    const std::string link = tree.symlink("docs/shortcut", "report.txt");
    const auto ofLink = propertiesOf(images, link);
    expectHeard(*ofLink, kCommonCaptions + QStringList{"サイズ", "リンク先"});
    EXPECT_EQ(ofLink->valueOf(QStringLiteral("リンク先")), QString::fromStdString(file));
#endif
}
