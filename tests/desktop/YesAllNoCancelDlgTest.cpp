// The confirmation form: its layout for short, long and many-line messages, its
// picture, and the answers and check box state that the component reports.
#include "desktop/DetailRowsView.h"
#include "desktop/QtDialogs.h"
#include "desktop/TYesAllNoCancelBox.h"
#include "desktop/TYesAllNoCancelDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int StripTop = 128 - 62;

QList<QImage> solidImages(int count, const QColor& color)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return QList<QImage>(count, image);
}

// Runs the component's real dialog and lets `act` work on it once it is shown.
ConfirmAnswer answerDialog(TYesAllNoCancelBox& box,
                           const std::function<void(TYesAllNoCancelDlg&)>& act)
{
    QTimer::singleShot(0, [&box, act] {
        TYesAllNoCancelDlg* dialog = box.openDialog();
        if (dialog == nullptr) {
            ADD_FAILURE() << "the dialog is not open";
            return;
        }
        act(*dialog);
        if (box.openDialog() != nullptr && dialog->isVisible()) {
            ADD_FAILURE() << "the dialog did not close";
            dialog->done(-1);
        }
    });
    return box.runDialog(nullptr);
}

struct ConfiguredBox
{
    QtDialogs dialogs{QStringLiteral("Quorvex")};
    QList<QImage> images = solidImages(5, Qt::red);
    TYesAllNoCancelBox box{dialogs};
    ConfiguredBox()
    {
        box.applyStandardConfiguration(&images);
        box.setTitle(QStringLiteral("削除確認"));
        box.setMsg(QStringLiteral("[ /tmp/a ]\n\nこのファイルを削除しても宜しいですか？"));
    }
};

} // namespace

TEST(YesAllNoCancelDlg, OneLineMessageKeepsTheDesignedSize)
{
    TYesAllNoCancelDlg dialog(nullptr, QStringLiteral("削除確認"), QStringLiteral("短い質問"));
    const int labelHeight = dialog.Label1->height();
    EXPECT_EQ(dialog.size(), QSize(373, 128));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("削除確認"));
    EXPECT_EQ(dialog.Label1->geometry().topLeft(), QPoint(64, StripTop / 2 - labelHeight / 2 + 4));
    EXPECT_EQ(dialog.Panel1->geometry(), QRect(0, StripTop, 373, 62));
    EXPECT_FALSE(dialog.CheckBox1->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.CancelBtn->text(), QStringLiteral("キャンセル"));
}

TEST(YesAllNoCancelDlg, ManyLineMessageMakesTheWindowTallerByTheOverflowPlus32)
{
    const QString message = QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8");
    TYesAllNoCancelDlg dialog(nullptr, QString(), message);
    const int labelHeight = dialog.Label1->height();
    const int overflow = (StripTop / 2 - labelHeight / 2 + 4) + labelHeight - StripTop + 32;
    ASSERT_GT(overflow, 32);
    EXPECT_EQ(dialog.size(), QSize(373, 128 + overflow));
    EXPECT_EQ(dialog.Panel1->geometry(), QRect(0, StripTop + overflow, 373, 62));
    EXPECT_EQ(dialog.Label1->y(), (StripTop + overflow) / 2 - labelHeight / 2);
    EXPECT_LT(dialog.Label1->geometry().bottom(), dialog.Panel1->y());
}

TEST(YesAllNoCancelDlg, LongMessageWidensTheWindowAndCentresTheStrip)
{
    const QString path = QStringLiteral("/home/user/") + QString(200, QLatin1Char('x'));
    TYesAllNoCancelDlg dialog(nullptr, QString(), path);
    const int width = 64 + dialog.Label1->width() + 32;
    ASSERT_GT(width, 373);
    EXPECT_EQ(dialog.width(), width);
    EXPECT_EQ(dialog.height(), 128);
    EXPECT_EQ(dialog.Panel1->geometry(), QRect(width / 2 - 373 / 2, StripTop, 373, 62));
}

TEST(YesAllNoCancelDlg, LayoutFollowsTheFontItIsShownWith)
{
    TYesAllNoCancelDlg dialog(nullptr, QString(), QStringLiteral("一行目\n二行目\n三行目"));
    QFont large = dialog.font();
    large.setPointSize(28);
    dialog.setFont(large);
    EXPECT_EQ(dialog.Label1->size(), dialog.Label1->sizeHint());
    EXPECT_LT(dialog.Label1->geometry().bottom(), dialog.Panel1->y());
    EXPECT_EQ(dialog.Panel1->geometry().bottom(), dialog.height() - 1);
}

TEST(YesAllNoCancelDlg, PictureIsDrawnOnlyForAnImageInTheList)
{
    const QList<QImage> images = solidImages(5, Qt::red);
    TYesAllNoCancelDlg dialog(nullptr, QString(), QStringLiteral("質問"));
    const auto centre = [&dialog] { return dialog.PaintBox1->grab().toImage().pixelColor(18, 18); };
    const QColor blank = centre();

    dialog.setPicture(&images, 4);
    EXPECT_EQ(dialog.PaintBox1->size(), QSize(36, 36));
    EXPECT_EQ(centre(), QColor(Qt::red));
    dialog.setPicture(&images, 5);
    EXPECT_EQ(centre(), blank);
    dialog.setPicture(nullptr, 0);
    EXPECT_EQ(centre(), blank);
}

TEST(YesAllNoCancelBox, DialogShowsThePropertiesAndAnswersWithTheButtonPressed)
{
    ConfiguredBox configured;
    TYesAllNoCancelBox& box = configured.box;
    box.setNoBtnHint(QStringLiteral("残す"));
    box.setNoBtnShowHint(true);
    box.setCancelBtnHint(QStringLiteral("隠れたヒント"));

    const ConfirmAnswer answer = answerDialog(box, [](TYesAllNoCancelDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("削除確認"));
        EXPECT_EQ(dialog.Label1->text(),
                  QStringLiteral("[ /tmp/a ]\n\nこのファイルを削除しても宜しいですか？"));
        EXPECT_EQ(dialog.OKBtn->text(), QStringLiteral("はい"));
        EXPECT_EQ(dialog.NoBtn->text(), QStringLiteral("いいえ"));
        EXPECT_TRUE(dialog.CheckBox1->isVisible());
        EXPECT_EQ(dialog.CheckBox1->text(), QStringLiteral("全て"));
        EXPECT_FALSE(dialog.CheckBox1->isChecked());
        EXPECT_EQ(dialog.NoBtn->toolTip(), QStringLiteral("残す"));
        EXPECT_TRUE(dialog.CancelBtn->toolTip().isEmpty());
        EXPECT_EQ(dialog.font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
        EXPECT_EQ(dialog.focusWidget(), dialog.OKBtn);
        QTest::mouseClick(dialog.NoBtn, Qt::LeftButton);
    });
    EXPECT_EQ(answer, ConfirmAnswer::No);
    EXPECT_FALSE(box.CheckBoxChecked());
    EXPECT_EQ(box.openDialog(), nullptr);

    EXPECT_EQ(answerDialog(box, [](TYesAllNoCancelDlg& dialog) { dialog.OKBtn->click(); }),
              ConfirmAnswer::Yes);
}

TEST(YesAllNoCancelBox, EscapeAndClosingAnswerCancelAndStillReportTheCheckBox)
{
    ConfiguredBox configured;
    TYesAllNoCancelBox& box = configured.box;
    EXPECT_EQ(answerDialog(box,
                           [](TYesAllNoCancelDlg& dialog) {
                               dialog.CheckBox1->setChecked(true);
                               QTest::keyClick(&dialog, Qt::Key_Escape);
                           }),
              ConfirmAnswer::Cancel);
    EXPECT_TRUE(box.CheckBoxChecked());

    // Each showing starts with the box unticked.
    EXPECT_EQ(answerDialog(box, [](TYesAllNoCancelDlg& dialog) { dialog.close(); }),
              ConfirmAnswer::Cancel);
    EXPECT_FALSE(box.CheckBoxChecked());
}

TEST(YesAllNoCancelBox, ButtonSettersReachTheOpenDialog)
{
    ConfiguredBox configured;
    TYesAllNoCancelBox& box = configured.box;
    answerDialog(box, [&box](TYesAllNoCancelDlg& dialog) {
        box.setOkBtnEnabled(false);
        box.setCancelBtnHint(QStringLiteral("やめる"));
        box.setCancelBtnShowHint(true);
        EXPECT_FALSE(dialog.OKBtn->isEnabled());
        EXPECT_EQ(dialog.CancelBtn->toolTip(), QStringLiteral("やめる"));
        // Texts set while the dialog is open wait for the next showing.
        box.setMsg(QStringLiteral("次の質問"));
        EXPECT_NE(dialog.Label1->text(), QStringLiteral("次の質問"));
        dialog.CancelBtn->click();
    });
    EXPECT_FALSE(box.OkBtnEnabled());
}

// Without details the strip holds its three buttons only; with them a "詳細" button
// right of Cancel shows the rows below the strip, growing the window, and hiding them
// gives the window its size back; the answer is still the button pressed.
TEST(YesAllNoCancelDlg, DetailsShowBelowTheStripOnlyWhenAskedFor)
{
    ConfiguredBox configured;
    EXPECT_EQ(answerDialog(configured.box,
                           [](TYesAllNoCancelDlg& dialog) {
                               EXPECT_EQ(dialog.DetailsBtn, nullptr);
                               dialog.NoBtn->click();
                           }),
              ConfirmAnswer::No);

    configured.box.setDetails([] {
        return DetailRows{{QStringLiteral("操作"), QStringLiteral("パス")},
                          {{QStringLiteral("purge"), QStringLiteral("/tmp/a")}},
                          {}};
    });
    const ConfirmAnswer answer = answerDialog(configured.box, [](TYesAllNoCancelDlg& dialog) {
        ASSERT_NE(dialog.DetailsBtn, nullptr);
        EXPECT_EQ(dialog.DetailsBtn->geometry(), QRect(308, 32, 57, 25));
        const QSize before = dialog.size();
        EXPECT_FALSE(dialog.DetailsView->isVisible());
        dialog.DetailsBtn->click();
        EXPECT_TRUE(dialog.DetailsView->isVisible());
        EXPECT_GE(dialog.DetailsView->geometry().top(), dialog.Panel1->geometry().bottom());
        EXPECT_GT(dialog.height(), before.height());
        dialog.DetailsBtn->click();
        EXPECT_EQ(dialog.size(), before);
        dialog.OKBtn->click();
    });
    EXPECT_EQ(answer, ConfirmAnswer::Yes);
}
