#pragma once
// Page 1 "重複と同一ファイルの検索": the file to search for (Edit3, may be empty) and the
// folder to search in (Edit4) with their histories and browse buttons, the threshold
// NewTrackBar1 with Label2, "開始", and the result list ListView4 with its popup menu.
// A search runs inside the click of "開始": the shared progress panel Panel5 covers
// the start button and the threshold meanwhile, the window keeps processing events,
// and the down state of CancelBtn stops the search; the rows are shown once it ends.

#include "actions/ActionPlan.h"
#include "desktop/ListSaving.h"
#include "desktop/PageServices.h"
#include "desktop/RunIndicatorObserver.h"
#include "duplicates/DupActions.h"
#include "duplicates/DupRecord.h"
#include "duplicates/DupSort.h"
#include "duplicates/ui/PictureFileReader.h"

#include <QWidget>

class DupListModel;
class DupListView;
class FolderResults;
class ListItemActions;
class PathInput;
class PicturePreview;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class TNewTrackBar;
class TSwitchButton;

class DupSearchPage : public QWidget
{
    Q_OBJECT

public:
    DupSearchPage(QWidget& sheet, const PageServices& services);

    QFrame* Panel14; // the top bar; Panel5 covers its upper part during a search
    TSwitchButton* SwitchButton8;
    TNewTrackBar* NewTrackBar1;
    QLabel* Label2;
    // "フォルダ単位": the start button searches for duplicate folders, listed in
    // Folders->ListView5 in place of ListView4.
    QCheckBox* FolderUnitCheck;
    FolderResults* Folders;
    // "画像として比較": the duplicate search groups pictures by what they show instead
    // of files by their bytes.
    QCheckBox* PictureCheck;
    PathInput* FileInput;   // Edit3, ComboBox3, SpeedButton3
    PathInput* FolderInput; // Edit4, ComboBox4, SpeedButton4
    DupListView* ListView4;
    // Beside ListView4 while it holds the rows of a search by pictures.
    PicturePreview* Preview;
    ListItemActions* Actions; // the row actions and PopupMenu1
    QMenu* PopupMenu1;
    QAction* N4;
    QAction* A2;
    // The selection helpers after "全て選択(&A)", for duplicate results.
    QAction* SelectButReference;
    QAction* SelectButNewest;
    QAction* SelectButOldest;
    QAction* SelectInFolder;
    QAction* Copy2;
    QAction* DeleteMenu1;
    // Beside "削除(&D)": the selected files replaced by links to (or clones of) the file
    // that stays in their group, or moved to a folder.
    QAction* HardLinkMenu1;
    QAction* SymbolicLinkMenu1;
    QAction* ReflinkMenu1;
    QAction* MoveMenu1;
    QAction* MenuItem3;

    DupListModel& model() const { return *model_; }
    const quorvex::DupList& DupList() const { return DupList_; }
    const quorvex::DupSortState& sortState() const { return sort_; }

    void SwitchButton8Click();
    void ListView4ColumnClick(int column);
    // Sends the selected rows' files to the trash; the rows of the files that went
    // leave the list, the others stay and one message names them with the reason (a
    // file whose size or time differs from its row's is not sent).
    void DeleteMenu1Click();
    // Acts on the selected rows' files (each group keeps one file, ActOnRows) after
    // one confirmation; afterwards the list shows what is on the disk and, when
    // files left a folder empty, the empty-item search is offered.
    void ActOnSelection(quorvex::ActionKind kind, const std::string& moveFolder = {});
    // "フォルダへ移動…": the folder chooser, then the move.
    void MoveMenu1Click();
    // Selects the rows that a selection helper picks (row numbers in row order).
    void selectRows(const std::vector<std::size_t>& rows);
    // Enables the popup items for the current selection and busy state.
    void PopupMenu1Popup();
    // "リストを開く…" took `text`: a saved duplicate or identical-file list in place
    // of the rows, each row checked against the disk.
    OpenedList openList(std::string_view text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar();
    void buildList();
    void buildPopupMenu();
    void buildSelectionHelpers();
    void buildActionItems();
    void NewTrackBar1Change(int position);
    void SpeedButton3Click(const PathInput& input);
    void setGroupColumnShown(bool shown);
    void ListView4SelectItem(int row);
    void showPreviewPane(bool shown);
    void ListView4Resize();

    PageServices services_;
    quorvex::DupList DupList_;
    quorvex::DupSearchScope scope_; // of the search that made the rows
    quorvex::DupSortState sort_;
    QString lastMoveFolder_;
    DupListModel* model_;
    RunIndicatorObserver progress_; // of every run of the page, on the progress panel
    PictureFileReader pictureReader_;
};
