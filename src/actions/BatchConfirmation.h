#pragma once
// Item-by-item confirmation of a batch with the Yes/All/No/Cancel box: once the
// check box "全て" has been ticked, the answer given then holds for the rest of the
// batch (Yes: every remaining item without asking; No: the batch ends).

#include <QString>

class TYesAllNoCancelBox;

class BatchConfirmation
{
public:
    enum class Decision
    {
        Proceed, // act on this item
        Skip,    // leave this item and ask about the next one
        Stop,    // leave this item and end the batch
    };

    explicit BatchConfirmation(TYesAllNoCancelBox& box) : box_(box) {}

    // Asks about one item unless an earlier answer covers it.
    Decision ask(const QString& title, const QString& message);
    // True once "全て" was ticked: later items are no longer asked about.
    bool answersForAll() const { return allFlag_; }

private:
    TYesAllNoCancelBox& box_;
    bool allFlag_ = false;
};
