#pragma once
// "フォルダ単位" of the duplicate page: the folder search and its list ListView5, one
// row per folder, with its popup menu (open the folder, its properties, save the
// list; the chosen folders' files to the trash, moved, or replaced by hard links or
// clones of their equal files). A search runs on the page's progress panel as the
// file searches do.

#include "desktop/PageServices.h"
#include "duplicates/FolderGroups.h"

#include <QObject>

#include <string>
#include <vector>

class FolderListModel;
class QAction;
class QMenu;
class QTreeView;
class QWidget;
class RunIndicatorObserver;

class FolderResults : public QObject
{
    Q_OBJECT

public:
    FolderResults(QWidget& page, const PageServices& services, RunIndicatorObserver& progress);

    QTreeView* ListView5;
    QMenu* FolderMenu;
    QAction* OpenFolderItem;
    QAction* SaveFolderList;
    QAction* TrashFolderFiles;
    QAction* MoveFolderFiles;     // "フォルダのファイルを移動…"
    QAction* HardLinkFolderFiles; // equal folders only
    QAction* ReflinkFolderFiles;  // equal folders only
    QAction* FolderProperties;

    FolderListModel& model() const { return *model_; }
    const quorvex::FolderGroups& groups() const { return groups_; }

    // Searches `folder` at `threshold`; false when the folder was refused (said in a
    // warning). Says so when nothing was found.
    bool search(const std::string& folder, int threshold);
    // The files of the chosen rows' folders that have an equal file in the folder that
    // stays in their group are acted on as `kind` says (a move into `moveFolder`),
    // after one confirmation: links and clones only in groups of equal folders, never
    // on a folder that stays or holds the one that stays. The search then runs again,
    // so that the list shows the disk.
    void actOnChosenFolders(quorvex::ActionKind kind, const std::string& moveFolder = {});

private:
    void moveChosenFolders();
    // The message when the chosen folders hold nothing that `kind` may act on.
    static QString nothingToActOn(quorvex::ActionKind kind);

    std::vector<std::size_t> chosenRows() const; // positions in groups().rows()

    PageServices services_;
    RunIndicatorObserver& progress_;
    FolderListModel* model_;
    quorvex::FolderGroups groups_;
    std::vector<std::string> folders_;
    int threshold_ = 100;
    std::vector<quorvex::FolderRow> saved_; // the rows of a save, while it writes
    QString lastMoveFolder_;
};
