#pragma once
// The Yes/All/No/Cancel confirmation: a non-visual component that holds the texts,
// captions, hints, picture and check box of a modal question, shows it through the
// program's Dialogs and reports the answer and the state of its check box.

#include "desktop/Dialogs.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

class QWidget;
class TYesAllNoCancelDlg;

class TYesAllNoCancelBox : public QObject
{
    Q_OBJECT

public:
    // `dialogs` shows the question (the real dialog, or scripted answers in tests);
    // it must outlive the component.
    TYesAllNoCancelBox(Dialogs& dialogs, QObject* owner = nullptr);
    ~TYesAllNoCancelBox() override;

    // Shows the question; returns the answer (Failed when the dialog could not be
    // shown). CheckBoxChecked() holds the check box state afterwards.
    ConfirmAnswer Execute();

    // What the real Dialogs::executeYesAllNoCancel does: builds TYesAllNoCancelDlg from
    // the properties, shows it modally and frees it before returning.
    ConfirmAnswer runDialog(QWidget* owner);

    // Settings of the shared instance of the main window: "はい"/"いいえ", the
    // program's font, all buttons enabled, picture 4 of `imageList`, check box "全て".
    void applyStandardConfiguration(const QList<QImage>* imageList);

    // Stored for the next Execute.
    QString Title() const { return title_; }
    void setTitle(const QString& value) { title_ = value; }
    QString Msg() const { return msg_; }
    void setMsg(const QString& value) { msg_ = value; }
    // The rows the dialog shows under its "詳細" button; none: no such button.
    const QuestionDetails& Details() const { return details_; }
    void setDetails(const QuestionDetails& value) { details_ = value; }

    // State of the check box when the last dialog closed.
    bool CheckBoxChecked() const { return checkBoxChecked_; }
    void setCheckBoxChecked(bool value) { checkBoxChecked_ = value; }

    // Stored, and applied at once to the dialog while it is open.
    void setNoBtnHint(const QString& value) { storeAndApply(noBtn_.hint, value); }
    void setCancelBtnHint(const QString& value) { storeAndApply(cancelBtn_.hint, value); }
    void setNoBtnShowHint(bool value) { storeAndApply(noBtn_.showHint, value); }
    void setCancelBtnShowHint(bool value) { storeAndApply(cancelBtn_.showHint, value); }
    bool OkBtnEnabled() const { return okBtn_.enabled; }
    void setOkBtnEnabled(bool value) { storeAndApply(okBtn_.enabled, value); }

    // The dialog while Execute shows it, otherwise null.
    TYesAllNoCancelDlg* openDialog() const { return dialog_; }

private:
    struct ButtonSettings
    {
        QString hint;
        bool showHint = false;
        bool enabled = false;
    };
    void applyButtons();
    template <typename T> void storeAndApply(T& field, const T& value)
    {
        field = value;
        applyButtons();
    }

    Dialogs& dialogs_;
    QString title_;
    QString msg_;
    QuestionDetails details_;
    QString okBtnCaption_;
    QString noBtnCaption_;
    QFont font_;
    ButtonSettings okBtn_;
    ButtonSettings noBtn_;
    ButtonSettings cancelBtn_;
    const QList<QImage>* imageList_ = nullptr;
    int imageIndex_ = 0;
    bool checkBoxVisible_ = false;
    bool checkBoxChecked_ = false;
    QString checkBoxCaption_;
    TYesAllNoCancelDlg* dialog_ = nullptr;
};
