#pragma once
// The form of the Yes/All/No/Cancel confirmation: picture, message, a check box and
// the buttons Yes, No and Cancel. The window grows to fit a long or many-line
// message. Closes with 6 (Yes), 7 (No) or 2 (Cancel, Escape, closing the window).

#include "desktop/Dialogs.h"

#include <QDialog>
#include <QImage>
#include <QList>

class DetailRowsView;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

class TYesAllNoCancelDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DesignedWidth = 373;
    static constexpr int DesignedHeight = 128;

    TYesAllNoCancelDlg(QWidget* owner, const QString& title, const QString& message);

    // The picture: image `index` of `images`; nothing is drawn when the list is null
    // or the index lies outside it.
    void setPicture(const QList<QImage>* images, int index);
    // A "詳細" button right of Cancel that shows the rows `details` makes below the
    // strip, the window growing by their height, and hides them again.
    void setDetails(const QuestionDetails& details);

    QWidget* PaintBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* Panel1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* NoBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* DetailsBtn = nullptr; // with details only
    DetailRowsView* DetailsView = nullptr;

    // Escape and closing the window answer Cancel.
    void reject() override;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Closes the dialog with the answer's number as its result.
    void finish(ConfirmAnswer answer) { done(static_cast<int>(answer)); }
    void layOutMessage();
    void toggleDetails();
    void paintPicture();

    const QList<QImage>* images_ = nullptr;
    int imageIndex_ = 0;
    QImage workBitmap_;
    QSize sizeWithoutDetails_;
};
