#include "desktop/ConfirmationBox.h"

#include "desktop/ImageList1.h"
#include "desktop/TYesAllNoCancelBox.h"

#include <QWidget>

TYesAllNoCancelBox& ConfirmationBox::box()
{
    if (box_ == nullptr) {
        box_ = new TYesAllNoCancelBox(dialogs_, &owner_);
        box_->setObjectName(QStringLiteral("YesAllNoCancelBox1"));
        box_->applyStandardConfiguration(&ImageList1());
    }
    return *box_;
}
