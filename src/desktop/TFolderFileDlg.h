#pragma once
// The folder-or-file chooser of the comparison paths: "フォルダ" browses for a folder,
// "ファイル" opens the file dialog, "キャンセル" (or Escape) closes with nothing chosen.
// A cancelled browse or file dialog leaves this dialog open.
//
//   TFolderFileDlg dialog(initialPath, dialogs, &mainWindow);
//   dialog.exec();
//   if (!dialog.ChosenPath().isEmpty()) edit->setText(dialog.ChosenPath());

#include <QDialog>

class Dialogs;
class QPushButton;

class TFolderFileDlg : public QDialog
{
    Q_OBJECT

public:
    TFolderFileDlg(const QString& initialPath, Dialogs& dialogs, QWidget* owner);

    const QString& ChosenPath() const { return ChosenPath_; }

    QPushButton* SpeedButton1; // "フォルダ"
    QPushButton* SpeedButton2; // "ファイル"
    QPushButton* CancelButton; // "キャンセル"

private:
    void SpeedButton1Click();
    void SpeedButton2Click();

    Dialogs& dialogs_;
    const QString InitialPath_;
    QString ChosenPath_;
};
