#pragma once
// The row actions the result lists share, and the popup menu that offers them:
// open an item (double click), open the folder that holds it, select all rows, copy
// the selected items to the clipboard as files, show an item's properties, save the
// whole list to a file, and open a saved one in its place. Deleting is the list's own
// (its item "削除(&D)" builds a plan of the selected items, desktop/ActionPlanRun.h).
// A list tells the actions only its item path per row and, for saving and opening,
// its table and its reader; the selection and select-all come from its view.
//
//   ListItemActions* actions = new ListItemActions(*view, {owner, dialogs, images},
//       [model](int row) { return model->RecordPath(row); },
//       {"PopupMenu1", "N4", "N7", "A2", "Copy2", "DeleteMenu1", "MenuItem2", "MenuItem3",
//        "SaveList2", "OpenList2"});
//   actions->setListTable("検索結果.tsv", [page] { return quorvex::DupTable(page->list()); });
//   actions->setListOpener([page](std::string_view text) { return page->openList(text); });
//   connect(actions->Delete, &QAction::triggered, page, &Page::DeleteMenu1Click);
//   actions->openWhenAsked(*view, [=] { actions->enableItems(rowSelected && !busy, !busy); });

#include "common/ResultWriter.h"
#include "desktop/ListSaving.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class Dialogs;
class QAbstractItemView;
class QAction;
class QMenu;
class QWidget;
class ResultListView;
class SysImageList;

// The selected rows of a view in row order, and the first of them (-1 without one).
std::vector<int> SelectedRowNumbers(const QAbstractItemView& view);
int FirstSelectedRow(const QAbstractItemView& view);

// The object names of one list's popup menu and its items.
struct ListMenuNames
{
    const char* menu;
    const char* openFolder;
    const char* separator1;
    const char* selectAll;
    const char* copy;
    const char* remove;
    const char* separator2;
    const char* properties;
    const char* saveList;
    const char* openList;
};

class ListItemActions : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        QWidget& owner; // owner of the dialogs and windows the actions open
        Dialogs& dialogs;
        SysImageList& images;
    };
    // The item path of a row as exact bytes; empty when the row gives none.
    using ItemPath = std::function<std::string(int row)>;

    // Builds the popup menu (not attached to the view: the list decides when it
    // opens) and opens the selected item on a double click in `list`.
    ListItemActions(QAbstractItemView& list, Services services, ItemPath itemPath,
                    const ListMenuNames& names);

    // "フォルダを開く", "全て選択(&A)", "コピー(&C)", "削除(&D)", "プロパティ",
    // "リストを保存…" and "リストを開く…", in this order, with the separators after the
    // first, the fourth and the fifth. The delete item is the list's to connect.
    QMenu* Menu;
    QAction* OpenFolder;
    QAction* SelectAll;
    QAction* Copy;
    QAction* Delete;
    QAction* Properties;
    QAction* SaveList;
    QAction* OpenList;

    // For a list whose delete moves the items to the desktop trash: the item's
    // caption says so where the language tells the two apart (Japanese does not).
    void setDeleteMovesToTrash();

    // What "リストを保存…" writes: the list's table in its current order, made when
    // the user has chosen the file; `suggestedName` is offered in the save dialog.
    void setListTable(QString suggestedName, std::function<quorvex::ResultWriter()> table);

    // What "リストを開く…" hands the chosen file's text to: the list reads it in place
    // of its rows. Without it the item is hidden.
    void setListOpener(std::function<OpenedList(std::string_view text)> open);

    // Set while select-all runs: the list's selection handlers ignore their events.
    bool SelectingAll() const { return SelectingAll_; }

    // The usual enabling before the menu opens: the row items follow `rowItemsUsable`,
    // select-all and saving need at least one row, opening a list that no run goes on.
    void enableItems(bool rowItemsUsable, bool idle);
    // Opens the menu whenever `list` (the list of these actions) asks for it, with the
    // mouse or the keyboard, once `prepare` (the enabling) has run.
    void openWhenAsked(ResultListView& list, std::function<void()> prepare);
    // The row where the menu was last asked for; -1 when that was below the rows.
    int ClickedRow() const { return clickedRow_; }

    // The actions on the first selected row's item; nothing without one.
    void OpenSelectedItem();
    void OpenSelectedFolder();
    void ShowSelectedProperties();
    // Selects every row, with SelectingAll set meanwhile.
    void SelectAllRows();
    // The selected rows' items, in row order, onto the clipboard as files; rows
    // without an item path are left out, and nothing changes when none is left.
    void CopySelectedToClipboard();
    // "リストを保存…": the save dialog, then the table written to the chosen file.
    void SaveListToFile();
    // "リストを開く…": the open dialog, then the list reads the chosen file.
    void OpenListFromFile();

private:
    std::string firstSelectedPath() const;

    QAbstractItemView& list_;
    Services services_;
    ItemPath itemPath_;
    bool SelectingAll_ = false;
    int clickedRow_ = -1;
    QString suggestedName_;
    std::function<quorvex::ResultWriter()> table_;
    std::function<OpenedList(std::string_view text)> open_;
};
