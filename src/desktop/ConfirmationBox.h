#pragma once
// The window's Yes/All/No/Cancel box (YesAllNoCancelBox1) of item-by-item batches.
// Most sessions never run a batch: the box is built when the first one asks.
//
//   BatchConfirmation confirmation(services.confirmation.box());

class Dialogs;
class QWidget;
class TYesAllNoCancelBox;

class ConfirmationBox
{
public:
    ConfirmationBox(Dialogs& dialogs, QWidget& owner) : dialogs_(dialogs), owner_(owner) {}

    TYesAllNoCancelBox& box();

private:
    Dialogs& dialogs_;
    QWidget& owner_;
    TYesAllNoCancelBox* box_ = nullptr; // a child of owner_
};
