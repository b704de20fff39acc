#include "desktop/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

TEST(QtFileDialogFilter, TranslatesDescriptionPatternPairs)
{
    EXPECT_EQ(QtFileDialogFilter(QStringLiteral("全てのファイル|*.*")),
              QStringLiteral("全てのファイル (*)"));
    EXPECT_EQ(QtFileDialogFilter(QStringLiteral("テキスト|*.txt;*.log|全て|*.*")),
              QStringLiteral("テキスト (*.txt *.log);;全て (*)"));
    EXPECT_EQ(QtFileDialogFilter(QStringLiteral("画像 (*.png)")), QStringLiteral("画像 (*.png)"));
}

// The folder browser opens centred across the screen, its middle 64 pixels above the
// screen's middle.
TEST(QtDialogs, TheFolderBrowserOpensAboveTheScreenCentre)
{
    QtDialogs dialogs(QStringLiteral("Quorvex"));
    QRect shownAt;
    QRect screen;
    QTimer::singleShot(0, [&] {
        auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(browser, nullptr);
        shownAt = browser->frameGeometry();
        screen = browser->screen()->geometry();
        browser->reject();
    });
    EXPECT_EQ(dialogs.chooseFolder(nullptr, QStringLiteral("フォルダ"), QDir::tempPath()),
              QString());
    ASSERT_TRUE(shownAt.isValid());
    EXPECT_EQ(shownAt.left(), screen.width() / 2 - shownAt.width() / 2);
    EXPECT_EQ(shownAt.top(), screen.height() / 2 - shownAt.height() / 2 - 64);
}
