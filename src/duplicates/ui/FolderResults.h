#pragma once
// "フォルダ単位" of the duplicate page: the folder search and its list ListView5, one
// row per folder, with its popup menu (open the folder, save the list, send the
// chosen folders' files to the trash). A search runs on the page's progress panel as
// the file searches do.

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

    FolderListModel& model() const { return *model_; }
    const quorvex::FolderGroups& groups() const { return groups_; }

    // Searches `folder` at `threshold`; false when the folder was refused (said in a
    // warning). Says so when nothing was found.
    bool search(const std::string& folder, int threshold);
    // The files of the chosen rows' folders that have an equal file in the folder that
    // stays in their group go to the trash, after one confirmation; the search then
    // runs again, so that the list shows the disk.
    void trashChosenFolders();

private:
    std::vector<std::size_t> chosenRows() const; // positions in groups().rows()

    PageServices services_;
    RunIndicatorObserver& progress_;
    FolderListModel* model_;
    quorvex::FolderGroups groups_;
    std::vector<std::string> folders_;
    int threshold_ = 100;
    std::vector<quorvex::FolderRow> saved_; // the rows of a save, while it writes
};
