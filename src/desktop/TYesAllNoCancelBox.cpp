#include "desktop/TYesAllNoCancelBox.h"

#include "desktop/Dialogs.h"
#include "desktop/TYesAllNoCancelDlg.h"

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

namespace {

void applyTo(QPushButton* button, const QString& hint, bool showHint, bool enabled)
{
    button->setToolTip(showHint ? hint : QString());
    button->setEnabled(enabled);
}

} // namespace

TYesAllNoCancelBox::TYesAllNoCancelBox(Dialogs& dialogs, QObject* owner)
    : QObject(owner), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("YesAllNoCancelBox1"));
}

TYesAllNoCancelBox::~TYesAllNoCancelBox() = default;

ConfirmAnswer TYesAllNoCancelBox::Execute()
{
    return dialogs_.executeYesAllNoCancel(qobject_cast<QWidget*>(parent()), *this);
}

ConfirmAnswer TYesAllNoCancelBox::runDialog(QWidget* owner)
{
    TYesAllNoCancelDlg dialog(owner, title_, msg_);
    dialog_ = &dialog;
    if (imageList_ != nullptr)
        dialog.setPicture(imageList_, imageIndex_);
    dialog.setFont(font_);
    dialog.CheckBox1->setVisible(checkBoxVisible_);
    dialog.CheckBox1->setText(checkBoxCaption_);
    dialog.CheckBox1->setChecked(false);
    dialog.OKBtn->setText(okBtnCaption_);
    dialog.NoBtn->setText(noBtnCaption_);
    if (details_)
        dialog.setDetails(details_);
    applyButtons();
    // The dialog ends with the answer's number as its result.
    const auto answer = static_cast<ConfirmAnswer>(dialog.exec());
    checkBoxChecked_ = dialog.CheckBox1->isChecked();
    dialog_ = nullptr;
    return answer;
}

void TYesAllNoCancelBox::applyStandardConfiguration(const QList<QImage>* imageList)
{
    okBtnCaption_ = tr("はい");
    noBtnCaption_ = tr("いいえ");
    font_ = QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    okBtn_ = ButtonSettings{QString(), false, true};
    noBtn_ = ButtonSettings{QString(), false, true};
    cancelBtn_ = ButtonSettings{QString(), false, true};
    imageList_ = imageList;
    imageIndex_ = 4;
    checkBoxVisible_ = true;
    checkBoxCaption_ = tr("全て");
}

void TYesAllNoCancelBox::applyButtons()
{
    if (dialog_ == nullptr)
        return;
    applyTo(dialog_->OKBtn, okBtn_.hint, okBtn_.showHint, okBtn_.enabled);
    applyTo(dialog_->NoBtn, noBtn_.hint, noBtn_.showHint, noBtn_.enabled);
    applyTo(dialog_->CancelBtn, cancelBtn_.hint, cancelBtn_.showHint, cancelBtn_.enabled);
}
