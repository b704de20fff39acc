#include "desktop/QtDialogs.h"

#include <gtest/gtest.h>

TEST(QtFileDialogFilter, TranslatesDescriptionPatternPairs)
{
    EXPECT_EQ(QtFileDialogFilter(QStringLiteral("全てのファイル|*.*")),
              QStringLiteral("全てのファイル (*)"));
    EXPECT_EQ(QtFileDialogFilter(QStringLiteral("テキスト|*.txt;*.log|全て|*.*")),
              QStringLiteral("テキスト (*.txt *.log);;全て (*)"));
    EXPECT_EQ(QtFileDialogFilter(QStringLiteral("画像 (*.png)")), QStringLiteral("画像 (*.png)"));
}
