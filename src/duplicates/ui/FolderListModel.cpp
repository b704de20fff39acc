#include "duplicates/ui/FolderListModel.h"

#include "duplicates/SizeText.h"
#include "platform/desktop/ShownText.h"

#include <algorithm>
#include <numeric>
#include <tuple>

FolderListModel::FolderListModel(const ListLook& look, QObject* parent)
    : QAbstractTableModel(parent), look_(look)
{
}

void FolderListModel::setRows(const std::vector<quorvex::FolderRow>* rows)
{
    beginResetModel();
    rows_ = rows;
    order_.resize(rows ? rows->size() : 0);
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    endResetModel();
}

std::vector<quorvex::FolderRow> FolderListModel::rowsInOrder() const
{
    std::vector<quorvex::FolderRow> rows;
    for (const std::size_t at : order_)
        rows.push_back((*rows_)[at]);
    return rows;
}

QString FolderListModel::relationText(const quorvex::FolderRow& row)
{
    switch (row.relation) {
    case quorvex::FolderRelation::Reference:
        return tr("基準");
    case quorvex::FolderRelation::Equal:
        return tr("同一");
    case quorvex::FolderRelation::EqualLayout:
        return tr("同一(構成も同じ)");
    case quorvex::FolderRelation::Contained:
        return tr("含まれる");
    case quorvex::FolderRelation::Similar:
        break;
    }
    return tr("類似 %1%").arg(row.percent);
}

int FolderListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int FolderListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FolderListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole))
        return {};
    const quorvex::FolderRow& row = (*rows_)[sourceRow(index.row())];
    const bool number = index.column() == SizeColumn || index.column() == FilesColumn ||
                        index.column() == GroupColumn;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    switch (index.column()) {
    case FolderColumn:
        return ShownText(row.path);
    case SizeColumn:
        return ShownText(quorvex::SizeCellText(row.bytes, look_.sizeInBytes()));
    case FilesColumn:
        return QString::number(row.files);
    case RelationColumn:
        return relationText(row);
    default:
        return QString::number(row.group);
    }
}

QVariant FolderListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case FolderColumn:
        return tr("フォルダ");
    case SizeColumn:
        return tr("サイズ");
    case FilesColumn:
        return tr("ファイル数");
    case RelationColumn:
        return tr("関係");
    default:
        return tr("重複");
    }
}

void FolderListModel::sort(int column, Qt::SortOrder order)
{
    if (rows_ == nullptr)
        return;
    // Rows of equal keys keep the order of the search.
    const auto key = [&](std::size_t at) {
        const quorvex::FolderRow& row = (*rows_)[at];
        switch (column) {
        case FolderColumn:
            return std::tuple<std::uint64_t, std::string, std::size_t>(0, row.path, at);
        case SizeColumn:
            return std::tuple<std::uint64_t, std::string, std::size_t>(row.bytes, {}, at);
        case FilesColumn:
            return std::tuple<std::uint64_t, std::string, std::size_t>(row.files, {}, at);
        case RelationColumn:
            return std::tuple<std::uint64_t, std::string, std::size_t>(
                static_cast<std::uint64_t>(row.relation) * 1000 + 100 - row.percent, {}, at);
        default:
            return std::tuple<std::uint64_t, std::string, std::size_t>(row.group, {}, at);
        }
    };
    emit layoutAboutToBeChanged();
    std::ranges::stable_sort(order_, [&](std::size_t a, std::size_t b) {
        const auto ka = key(a), kb = key(b);
        if (std::get<0>(ka) != std::get<0>(kb) || std::get<1>(ka) != std::get<1>(kb))
            return order == Qt::AscendingOrder ? ka < kb : kb < ka;
        return a < b;
    });
    emit layoutChanged();
}
