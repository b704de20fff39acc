#include "desktop/TYesAllNoCancelDlg.h"

#include "desktop/DetailRowsView.h"

#include <algorithm>

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSize>

namespace {

constexpr int PictureLeft = 12;
constexpr int PictureTop = 13;
constexpr int PictureSize = 36;
constexpr int LabelLeft = 64;
constexpr int LabelTop = 16;
constexpr int StripHeight = 62;
// Room kept between the message and the strip, and right of the message.
constexpr int MessageMargin = 32;
// The "詳細" button in the strip's room right of Cancel, and the rows' height below it.
constexpr int DetailsLeft = 308;
constexpr int DetailsWidth = 57;
constexpr int DetailsHeight = 200;

QPushButton* makeButton(QWidget* parent, const char* name, int left, const QString& caption,
                        int width = 75)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 32, width, 25);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

} // namespace

TYesAllNoCancelDlg::TYesAllNoCancelDlg(QWidget* owner, const QString& title, const QString& message)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("YesAllNoCancelDlg"));
    setWindowTitle(tr("ダイアログ"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    PaintBox1 = new QWidget(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(PictureLeft, PictureTop, PictureSize, PictureSize);
    PaintBox1->installEventFilter(this);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->move(LabelLeft, LabelTop);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));

    CheckBox1 = new QCheckBox(Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 4, 353, 17);

    OKBtn = makeButton(Panel1, "OKBtn", 68, QString());
    NoBtn = makeButton(Panel1, "NoBtn", 148, QString());
    CancelBtn = makeButton(Panel1, "CancelBtn", 228, tr("キャンセル"));
    // Yes comes first in the tab order and holds the focus when the dialog opens.
    setTabOrder(OKBtn, NoBtn);
    setTabOrder(NoBtn, CancelBtn);
    setTabOrder(CancelBtn, CheckBox1);
    OKBtn->setFocus();
    connect(OKBtn, &QPushButton::clicked, this, [this] { finish(ConfirmAnswer::Yes); });
    connect(NoBtn, &QPushButton::clicked, this, [this] { finish(ConfirmAnswer::No); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { finish(ConfirmAnswer::Cancel); });

    setWindowTitle(title);
    Label1->setText(message);
    layOutMessage();
    CheckBox1->hide();
}

void TYesAllNoCancelDlg::setPicture(const QList<QImage>* images, int index)
{
    images_ = images;
    imageIndex_ = index;
    PaintBox1->update();
}

void TYesAllNoCancelDlg::setDetails(const QuestionDetails& details)
{
    DetailsBtn = makeButton(Panel1, "DetailsBtn", DetailsLeft, DetailRowsView::buttonCaption(),
                            DetailsWidth);
    DetailsBtn->setCheckable(true);
    setTabOrder(CancelBtn, DetailsBtn);
    DetailsView = new DetailRowsView(details, this);
    DetailsView->hide();
    connect(DetailsBtn, &QPushButton::toggled, this, &TYesAllNoCancelDlg::toggleDetails);
}

void TYesAllNoCancelDlg::toggleDetails()
{
    if (!DetailsBtn->isChecked()) {
        DetailsView->hide();
        setFixedSize(sizeWithoutDetails_);
        return;
    }
    sizeWithoutDetails_ = size();
    const int width = std::max(sizeWithoutDetails_.width(), DetailsView->minimumSizeHint().width());
    DetailsView->setGeometry(8, sizeWithoutDetails_.height(), width - 16, DetailsHeight);
    setFixedSize(width, sizeWithoutDetails_.height() + DetailsHeight + 8);
    DetailsView->show();
}

void TYesAllNoCancelDlg::reject()
{
    finish(ConfirmAnswer::Cancel);
}

// The label sizes itself to its text in the current font, so the layout is made
// again whenever the font changes.
void TYesAllNoCancelDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && Label1 != nullptr)
        layOutMessage();
}

void TYesAllNoCancelDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    const QScreen* screen =
        this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

bool TYesAllNoCancelDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PaintBox1 && event->type() == QEvent::Paint) {
        paintPicture();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Places the message below the picture's right, vertically centred above the strip
// with the buttons; the window grows when the message is taller or wider than the
// designed room, and the strip then stays centred below it.
void TYesAllNoCancelDlg::layOutMessage()
{
    int clientWidth = DesignedWidth;
    int clientHeight = DesignedHeight;
    int stripTop = clientHeight - StripHeight;
    int stripLeft = 0;

    Label1->adjustSize();
    const int labelWidth = Label1->width();
    const int labelHeight = Label1->height();
    int labelTop = stripTop / 2 - labelHeight / 2 + 4;
    if (labelTop + labelHeight > stripTop) {
        const int overflow = labelTop + labelHeight - stripTop + MessageMargin;
        clientHeight += overflow;
        stripTop += overflow;
        labelTop = stripTop / 2 - labelHeight / 2;
    }
    if (LabelLeft + labelWidth + MessageMargin > clientWidth) {
        clientWidth = LabelLeft + labelWidth + MessageMargin;
        stripLeft = clientWidth / 2 - DesignedWidth / 2;
    }
    Label1->move(LabelLeft, labelTop);
    Panel1->setGeometry(stripLeft, stripTop, DesignedWidth, StripHeight);
    setFixedSize(clientWidth, clientHeight);
}

void TYesAllNoCancelDlg::paintPicture()
{
    if (images_ == nullptr || imageIndex_ < 0 || imageIndex_ >= images_->size())
        return;
    const QImage& image = images_->at(imageIndex_);
    if (image.isNull())
        return;
    if (workBitmap_.size() != image.size())
        workBitmap_ = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
    // Cleared so that transparent parts of the picture show the dialog's face.
    workBitmap_.fill(Qt::transparent);
    {
        QPainter bitmapPainter(&workBitmap_);
        bitmapPainter.drawImage(0, 0, image);
    }
    QPainter painter(PaintBox1);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(PaintBox1->rect(), workBitmap_);
}
