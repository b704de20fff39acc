#pragma once
// Page 2 "空のフォルダとファイル": the toggle SwitchButton5 asks for a folder and
// starts the search of empty folders and zero-size files below it, and stops it when
// clicked again; the search runs inside that click, processing events as it goes,
// with the find animation Animate2 shown. SwitchButton6 deletes the confirmed items
// of ListView1 for good and records each in the program's trash; so does the item
// DeleteMenu of the list's popup menu PopupMenu2, which offers the shared row actions.

#include "desktop/ColumnSort.h"
#include "desktop/ListSaving.h"
#include "desktop/PageServices.h"
#include "desktop/RunIndicatorObserver.h"
#include "empty/ui/SearchIndicator.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>

class EmptyItemListModel;
class EmptyItemListView;
class FindAnimation;
class ListItemActions;
class QAction;
class QMenu;
class TextPanel;
class TSwitchButton;

class EmptyItemsPage : public QWidget
{
    Q_OBJECT

public:
    EmptyItemsPage(QWidget& sheet, const PageServices& services);

    QWidget* Panel9;
    TSwitchButton* SwitchButton5;
    TSwitchButton* SwitchButton6;
    FindAnimation* Animate2;
    TextPanel* Panel10;
    EmptyItemListView* ListView1;
    ListItemActions* Actions; // the row actions and PopupMenu2
    QMenu* PopupMenu2;
    QAction* N5;
    QAction* A3;
    QAction* Copy3;
    QAction* DeleteMenu;
    QAction* Property1;

    EmptyItemListModel& model() const { return *model_; }
    const ColumnSort& sortState() const { return sort_; }
    const QString& LastEmptySearchFolder() const { return LastEmptySearchFolder_; }

    void SwitchButton5Click();
    // Searches `folder` as if it had been chosen after a click of SwitchButton5 (another
    // page's offer to look for the folders its actions emptied).
    void SearchOfferedFolder(const QString& folder);
    // DeleteMenuClick: the delete flow over the selected rows.
    void DeleteEmptyItems();
    void ListView1ColumnClick(int column);
    // Enables the popup items for the selection and the search state.
    void PopupMenu2Popup();
    // "リストを開く…" took `text`: a saved empty-item list in place of the rows, each
    // row checked against the disk, with the count it was saved with.
    OpenedList openList(std::string_view text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildTopBar();
    void buildList();
    void buildPopupMenu();
    void SearchFolder(const QString& folder, const std::string& path);
    void endSearchButton();
    void setSwitchButton5Caption(const QString& caption);
    void showCount();
    void ListView1Resize();
    void ListView1SelectItem(int row);

    PageServices services_;
    EmptyItemListModel* model_;
    ColumnSort sort_;
    QString LastEmptySearchFolder_;
    std::unique_ptr<SearchIndicator> indicator_; // over Animate2 and SwitchButton5
    std::unique_ptr<RunIndicatorObserver> progress_;
};
