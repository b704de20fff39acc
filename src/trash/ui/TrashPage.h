#pragma once
// Page 3 "ごみ箱": the program's trash, shown while GomiOpenSwBtn is down as a
// snapshot of the trash list taken at that moment; restoring recreates the selected
// items, purging forgets them. The page never deletes anything on disk.

#include "actions/RowBatch.h"
#include "desktop/PageServices.h"

#include <QWidget>

#include <cstddef>
#include <vector>

class TMyListView;
class TextPanel;
class TrashListModel;
class TSwitchButton;

class TrashPage : public QWidget
{
    Q_OBJECT

public:
    TrashPage(QWidget& sheet, const PageServices& services);

    QWidget* Panel8;
    TSwitchButton* GomiOpenSwBtn;
    TSwitchButton* ModosuSwBtn;
    TSwitchButton* AllSelectBtn;
    TSwitchButton* DelSwBtn;
    TextPanel* Panel11;
    TMyListView* ListView3;

    TrashListModel& model() const { return *model_; }

    void GomiOpenSwBtnClick();
    void RestoreTrashItems();
    void PurgeTrashItems();
    void AllSelectBtnClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildTopBar();
    void placeTopBarButtons();
    void buildList();
    std::vector<std::size_t> selectedRows() const;
    quorvex::TrashRowDone dropRow();

    PageServices services_;
    TrashListModel* model_;
};
