#include "desktop/TFolderFileDlg.h"

#include "desktop/BrowseForFolder.h"
#include "desktop/Dialogs.h"
#include "desktop/ImageList1.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

TFolderFileDlg::TFolderFileDlg(const QString& initialPath, Dialogs& dialogs, QWidget* owner)
    : QDialog(owner), dialogs_(dialogs), InitialPath_(initialPath)
{
    setObjectName(QStringLiteral("FolderFileDlg"));
    setWindowTitle(tr("フォルダとファイルの参照"));
    setFixedSize(260, 90);
    auto button = [this](const char* name, const QString& caption, int x, int width) {
        auto* created = new QPushButton(caption, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setGeometry(x, 16, width, 28);
        created->setAutoDefault(false);
        return created;
    };
    SpeedButton1 = button("SpeedButton1", tr("フォルダ"), 10, 115);
    SpeedButton1->setIcon(ImageList1Icon(imagelist1::Folder));
    SpeedButton2 = button("SpeedButton2", tr("ファイル"), 135, 115);
    SpeedButton2->setIcon(ImageList1Icon(imagelist1::Document));
    CancelButton = button("CancelButton", tr("キャンセル"), 85, 90);
    CancelButton->move(85, 54);
    CancelButton->setFixedHeight(26);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFolderFileDlg::SpeedButton1Click);
    connect(SpeedButton2, &QPushButton::clicked, this, &TFolderFileDlg::SpeedButton2Click);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject); // Escape too
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFolderFileDlg::SpeedButton1Click()
{
    const QString folder =
        BrowseForFolder(dialogs_, this, tr("比較するフォルダを選択して下さい"), InitialPath_);
    if (folder.isEmpty())
        return;
    ChosenPath_ = folder;
    accept();
}

void TFolderFileDlg::SpeedButton2Click()
{
    // The file dialog selects an existing file, or opens in the folder.
    const QString file =
        dialogs_.chooseFile(this, QString(), InitialPath_, tr("全てのファイル|*.*"));
    if (file.isEmpty())
        return;
    ChosenPath_ = file;
    accept();
}
