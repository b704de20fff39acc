#include "desktop/QtDialogs.h"

#include "desktop/DetailRowsView.h"
#include "desktop/DetailedQuestion.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>

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

// A question's rows are made only when "詳細" is pressed, show below it under their
// captions with the line below them, hide again, and leave the question open.
TEST(QtDialogs, AQuestionShowsItsRowsOnlyWhenAsked)
{
    QtDialogs dialogs(QStringLiteral("Quorvex"));
    int made = 0;
    const QuestionDetails details = [&made] {
        ++made;
        return DetailRows{{QStringLiteral("操作"), QStringLiteral("パス")},
                          {{QStringLiteral("trash"), QStringLiteral("/a")},
                           {QStringLiteral("trash"), QStringLiteral("/b")}},
                          QStringLiteral("空く合計: 0 バイト")};
    };
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto* question = qobject_cast<DetailedQuestion*>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(made, 0);
        EXPECT_FALSE(question->rows()->isVisible());
        question->detailsButton()->click();
        const QTreeWidget& table = *question->rows()->table();
        EXPECT_TRUE(table.isVisible());
        EXPECT_EQ(table.headerItem()->text(1), QStringLiteral("パス"));
        ASSERT_EQ(table.topLevelItemCount(), 2);
        EXPECT_EQ(table.topLevelItem(1)->text(1), QStringLiteral("/b"));
        EXPECT_EQ(question->rows()->below()->text(), QStringLiteral("空く合計: 0 バイト"));
        question->detailsButton()->click();
        EXPECT_FALSE(question->rows()->isVisible());
        question->detailsButton()->click();
        EXPECT_EQ(made, 1);
        EXPECT_TRUE(question->isVisible());
        looked = true;
        question->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Yes)->click();
    });
    EXPECT_TRUE(dialogs.askYesNoWithDetails(nullptr, QStringLiteral("削除確認"),
                                            QStringLiteral("削除しますか？"), details));
    EXPECT_TRUE(looked);
}
