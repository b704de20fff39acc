#pragma once
// Page 0 "ファイルの比較": paths A and B with their histories and browse buttons, the
// swap, "開始" with "内容を比較する" and "グラフ", and the result list ListView2 with
// its popup menu PopupMenu3 (the shared row actions, copying rows from side to side
// and the restore order).
// A run happens inside the click of "開始" (or Return in a path field): the shared
// progress panel Panel5 covers the top bar meanwhile, the window keeps processing
// events, and the down state of CancelBtn stops the walk; the rows are shown once the
// run has finished.

#include "compare/CompareActions.h"
#include "compare/ComparisonEngine.h"
#include "desktop/ColumnSort.h"
#include "desktop/ListSaving.h"
#include "desktop/PageServices.h"
#include "desktop/PathDrops.h"
#include "desktop/RunIndicatorObserver.h"

#include <QWidget>

class ComparisonListModel;
class ComparisonListView;
class ListItemActions;
class PathInput;
class QAction;
class QCheckBox;
class QMenu;
class QToolButton;
class TSwitchButton;

class ComparePage : public QWidget
{
    Q_OBJECT

public:
    ComparePage(QWidget& sheet, const PageServices& services);

    QWidget* Panel2;
    TSwitchButton* SwitchButton1;
    QCheckBox* CheckBox3;
    QCheckBox* CheckBox4;
    QToolButton* SpeedButton16;
    PathInput* PathA; // Edit1, ComboBox1, SpeedButton1
    PathInput* PathB; // Edit2, ComboBox2, SpeedButton2
    ComparisonListView* ListView2;
    ListItemActions* Actions; // the row actions and PopupMenu3
    QMenu* PopupMenu3;
    QAction* N3;
    QAction* A1;
    QAction* Copy1;
    QAction* Delete1;
    QAction* CopyToB1; // "A→B にコピー"
    QAction* CopyToA1; // "B→A にコピー"
    QAction* Update1;  // "新しい方で上書き": each side gets the newer of each pair
    // Checked: a file that a copy replaces stays beside it under a name with its time,
    // not in the trash.
    QAction* KeepVersions1;
    QAction* N9;
    QAction* Property2;

    ComparisonListModel& model() const { return *model_; }
    quorvex::ComparisonEngine& engine() { return engine_; }
    const ColumnSort& sortState() const { return sort_; }

    void StartComparison();
    void ListView2ColumnClick(int column);
    void RestoreComparisonOrder();
    // Shows and enables the popup items for the selection, ClickedSide and busy state.
    void PopupMenu3Popup();
    // "リストを開く…" took `text`: a comparison saved for the paths in Edit1 and Edit2
    // in place of the rows, each row checked against the disk.
    OpenedList openList(std::string_view text);
    // Sends the clicked side's items of the selected rows to the trash; the rows
    // whose items left the disk (and those that had none) show that side as gone.
    void Delete1Click();
    // Copies the selected rows' entries as `choice` says, then shows the rows as the
    // disk has them.
    void CopyRowsClick(quorvex::CopyChoice choice);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The engine's rows as a run or an opened list left them, with their captions.
    void showComparison();
    void buildTopBar();
    void buildList();
    void buildPopupMenu();
    void SwitchButton1Click();
    void SpeedButton1Click(PathInput& input);
    void SpeedButton16Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void ListView2Resize();
    void fitNameColumns();

    PageServices services_;
    RunIndicatorObserver progress_; // of every run of the page, on the progress panel
    PathPairDrop drop_;             // where paths dropped on the window go
    quorvex::ComparisonEngine engine_;
    ComparisonListModel* model_;
    ColumnSort sort_;
};
