// Clipboard file lists and the folder that holds an item.
#include "platform/desktop/ShellActions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

TEST(FileDropMimeData, OffersTheFilesInOrderInEveryFormFileManagersPaste)
{
    const auto data = FileDropMimeData({"/tmp/a b.txt", "/tmp/dir", "/tmp/日本.txt"});
    EXPECT_EQ(data->data("text/uri-list"), QByteArray("file:///tmp/a%20b.txt\r\nfile:///tmp/dir\r\n"
                                                      "file:///tmp/%E6%97%A5%E6%9C%AC.txt\r\n"));
    EXPECT_EQ(data->data("x-special/gnome-copied-files"),
              QByteArray("copy\nfile:///tmp/a%20b.txt\nfile:///tmp/dir\n"
                         "file:///tmp/%E6%97%A5%E6%9C%AC.txt"));
    EXPECT_EQ(data->text(), QStringLiteral("/tmp/a b.txt\n/tmp/dir\n/tmp/日本.txt"));
    ASSERT_EQ(data->urls().size(), 3);
    EXPECT_EQ(data->urls()[2].toLocalFile(), QStringLiteral("/tmp/日本.txt"));
}

TEST(FileDropMimeData, KeepsNamesThatAreNotUtf8ByteForByte)
{
    EXPECT_EQ(FileUrl("/tmp/caf\xe9 %"), QByteArray("file:///tmp/caf%E9%20%25"));
    EXPECT_EQ(QByteArray::fromPercentEncoding(FileUrl("/x/\xff\x01").mid(7)),
              QByteArray("/x/\xff\x01"));
}

TEST(PutFilesOnClipboard, ReplacesTheClipboardAndIgnoresAnEmptyList)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    PutFilesOnClipboard({});
    EXPECT_EQ(clipboard->text(), QStringLiteral("before"));
    PutFilesOnClipboard({"/tmp/one", "/tmp/two"});
    EXPECT_EQ(clipboard->mimeData()->data("text/uri-list"),
              QByteArray("file:///tmp/one\r\nfile:///tmp/two\r\n"));
}

TEST(ContainingFolder, IsThePathBeforeTheLastSeparator)
{
    EXPECT_EQ(ContainingFolder("/a/b"), "/a");
    EXPECT_EQ(ContainingFolder("/a/b/"), "/a");
    EXPECT_EQ(ContainingFolder("/file.txt"), "/");
    EXPECT_EQ(ContainingFolder("/"), "/");
}
