#include "trash/ui/TrashListModel.h"

#include "desktop/BatchPrompts.h"
#include "desktop/ImageList1.h"
#include "platform/desktop/ShownText.h"
#include "trash/TrashStore.h"

TrashListModel::TrashListModel(QObject* parent)
    : QAbstractTableModel(parent), folderIcon_(ImageList1Icon(imagelist1::Folder)),
      documentIcon_(ImageList1Icon(imagelist1::Document))
{
}

int TrashListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(paths_.size());
}

int TrashListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TrashListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const std::string& path = paths_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return ShownText(index.column() == 0 ? quorvex::TrashEntryDisplayName(path) : path);
    if (role == Qt::DecorationRole && index.column() == 0)
        return quorvex::IsFolderEntryPath(path) ? folderIcon_ : documentIcon_;
    return {};
}

QVariant TrashListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? tr("名前") : tr("元の場所");
}

void TrashListModel::setPaths(std::vector<std::string> paths)
{
    beginResetModel();
    paths_ = std::move(paths);
    endResetModel();
}

bool TrashListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count <= 0 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    paths_.erase(paths_.begin() + row, paths_.begin() + row + count);
    endRemoveRows();
    return true;
}
