#include "desktop/BatchConfirmation.h"

#include "desktop/TYesAllNoCancelBox.h"

BatchConfirmation::Decision BatchConfirmation::ask(const QString& title, const QString& message)
{
    if (allFlag_)
        return Decision::Proceed;
    box_.setTitle(title);
    box_.setMsg(message);
    box_.setDetails(details_);
    const ConfirmAnswer answer = box_.Execute();
    if (box_.CheckBoxChecked())
        allFlag_ = true;
    // Without an answer (the dialog could not be shown) nothing is done to the items.
    if (answer == ConfirmAnswer::Cancel || answer == ConfirmAnswer::Failed)
        return Decision::Stop;
    if (answer == ConfirmAnswer::No)
        return allFlag_ ? Decision::Stop : Decision::Skip;
    return Decision::Proceed;
}
