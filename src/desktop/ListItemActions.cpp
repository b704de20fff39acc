#include "desktop/ListItemActions.h"

#include "desktop/Dialogs.h"
#include "desktop/ImageList1.h"
#include "desktop/ItemProperties.h"
#include "desktop/ListSaving.h"
#include "desktop/ResultListView.h"
#include "platform/desktop/ShellActions.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QMenu>

#include <algorithm>

std::vector<int> SelectedRowNumbers(const QAbstractItemView& view)
{
    std::vector<int> rows;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int FirstSelectedRow(const QAbstractItemView& view)
{
    int first = -1;
    for (const QModelIndex& index : view.selectionModel()->selectedRows())
        if (first < 0 || index.row() < first)
            first = index.row();
    return first;
}

ListItemActions::ListItemActions(QAbstractItemView& list, Services services, ItemPath itemPath,
                                 const ListMenuNames& names)
    : QObject(&list), list_(list), services_(services), itemPath_(std::move(itemPath))
{
    Menu = new QMenu(&list);
    Menu->setObjectName(QString::fromLatin1(names.menu));
    const auto item = [this](const char* name, const QString& caption, int image) {
        QAction* action = Menu->addAction(ImageList1Icon(image), caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    OpenFolder = item(names.openFolder, tr("フォルダを開く"), imagelist1::Folder);
    Menu->addSeparator()->setObjectName(QString::fromLatin1(names.separator1));
    SelectAll = item(names.selectAll, tr("全て選択(&A)"), imagelist1::SelectAll);
    Copy = item(names.copy, tr("コピー(&C)"), imagelist1::Copy);
    Delete = item(names.remove, tr("削除(&D)"), imagelist1::Delete);
    Menu->addSeparator()->setObjectName(QString::fromLatin1(names.separator2));
    Properties = item(names.properties, tr("プロパティ"), imagelist1::Properties);
    Menu->addSeparator()->setObjectName(QString::fromLatin1(names.saveList) +
                                        QStringLiteral("Separator"));
    SaveList = item(names.saveList, tr("リストを保存…"), imagelist1::Document);
    OpenList = item(names.openList, tr("リストを開く…"), imagelist1::Folder);
    OpenList->setVisible(false);

    connect(OpenFolder, &QAction::triggered, this, &ListItemActions::OpenSelectedFolder);
    connect(SelectAll, &QAction::triggered, this, &ListItemActions::SelectAllRows);
    connect(Copy, &QAction::triggered, this, &ListItemActions::CopySelectedToClipboard);
    connect(Properties, &QAction::triggered, this, &ListItemActions::ShowSelectedProperties);
    connect(SaveList, &QAction::triggered, this, &ListItemActions::SaveListToFile);
    connect(OpenList, &QAction::triggered, this, &ListItemActions::OpenListFromFile);
    connect(&list, &QAbstractItemView::doubleClicked, this, &ListItemActions::OpenSelectedItem);
}

void ListItemActions::enableItems(bool rowItemsUsable, bool idle)
{
    for (QAction* action : {OpenFolder, Copy, Delete, Properties})
        action->setEnabled(rowItemsUsable);
    SelectAll->setEnabled(list_.model()->rowCount() > 0);
    SaveList->setEnabled(SelectAll->isEnabled());
    OpenList->setEnabled(idle);
}

void ListItemActions::setListTable(QString suggestedName,
                                   std::function<quorvex::ResultWriter()> table)
{
    suggestedName_ = std::move(suggestedName);
    table_ = std::move(table);
}

void ListItemActions::SaveListToFile()
{
    if (table_ && list_.model()->rowCount() > 0)
        SaveResultList(services_.dialogs, &services_.owner, suggestedName_, table_);
}

void ListItemActions::setDeleteMovesToTrash()
{
    Delete->setText(tr("削除(&D)", "moves the selected items to the desktop trash"));
}

void ListItemActions::setListOpener(std::function<OpenedList(std::string_view text)> open)
{
    open_ = std::move(open);
    OpenList->setVisible(static_cast<bool>(open_));
}

void ListItemActions::OpenListFromFile()
{
    if (open_)
        OpenResultList(services_.dialogs, &services_.owner, open_);
}

void ListItemActions::openWhenAsked(ResultListView& list, std::function<void()> prepare)
{
    connect(&list, &ResultListView::popupRequested, this,
            [this, prepare = std::move(prepare)](const QPoint& at) {
                clickedRow_ = list_.indexAt(at).row();
                prepare();
                Menu->popup(list_.viewport()->mapToGlobal(at));
            });
}

std::string ListItemActions::firstSelectedPath() const
{
    const int row = FirstSelectedRow(list_);
    return row < 0 ? std::string() : itemPath_(row);
}

void ListItemActions::OpenSelectedItem()
{
    if (const std::string path = firstSelectedPath(); !path.empty())
        OpenItem(
            [this](const QString& item, const QStringList& applications, int declaringCount) {
                return services_.dialogs.chooseApplication(&services_.owner, item, applications,
                                                           declaringCount);
            },
            &services_.owner, path);
}

void ListItemActions::OpenSelectedFolder()
{
    if (const std::string path = firstSelectedPath(); !path.empty())
        OpenContainingFolder(path);
}

void ListItemActions::ShowSelectedProperties()
{
    ShowItemProperties(&services_.owner, services_.images, firstSelectedPath());
}

void ListItemActions::SelectAllRows()
{
    SelectingAll_ = true;
    list_.selectAll();
    SelectingAll_ = false;
}

void ListItemActions::CopySelectedToClipboard()
{
    std::vector<std::string> paths;
    for (int row : SelectedRowNumbers(list_))
        if (std::string path = itemPath_(row); !path.empty())
            paths.push_back(std::move(path));
    PutFilesOnClipboard(paths);
}
