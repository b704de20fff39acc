#pragma once
// Item-by-item confirmation of a batch with the Yes/All/No/Cancel box: once the
// check box "全て" has been ticked, the answer given then holds for the rest of the
// batch (Yes: every remaining item without asking; No: the batch ends). Each question
// can show the rows of the whole batch under "詳細".

#include <QString>

#include "common/BatchQuestion.h"
#include "desktop/Dialogs.h"

class TYesAllNoCancelBox;

class BatchConfirmation
{
public:
    using Decision = quorvex::BatchDecision;

    explicit BatchConfirmation(TYesAllNoCancelBox& box, QuestionDetails details = {})
        : box_(box), details_(std::move(details))
    {
    }

    // Asks about one item unless an earlier answer covers it.
    Decision ask(const QString& title, const QString& message);

private:
    TYesAllNoCancelBox& box_;
    QuestionDetails details_;
    bool allFlag_ = false;
};
