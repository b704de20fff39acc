#include "empty/ui/EmptyItemListModel.h"

#include "desktop/BatchPrompts.h"
#include "desktop/DiskCheckMarker.h"
#include "desktop/IconLookup.h"
#include "empty/EmptyItemDeletion.h"
#include "empty/ui/EmptyItemColumns.h"
#include "platform/desktop/ShownText.h"

#include <algorithm>
#include <climits>

namespace {

const char* const kCaptions[EmptyItemListModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("EmptyItemListModel", "名前"),
    QT_TRANSLATE_NOOP("EmptyItemListModel", "種類"),
    QT_TRANSLATE_NOOP("EmptyItemListModel", "属性"), "Path"};

} // namespace

EmptyItemListModel::EmptyItemListModel(IconLookup& icons, QObject* parent)
    : QAbstractTableModel(parent), icons_(icons)
{
}

int EmptyItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count_;
}

int EmptyItemListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EmptyItemListModel::data(const QModelIndex& index, int role) const
{
    const quorvex::EmptyItemRecord* shown = index.isValid() ? record(index.row()) : nullptr;
    if (!shown || role != Qt::DisplayRole)
        return {};
    return index.column() == 0 ? NameCellText(*shown)
                               : ShownText(EmptyItemField(*shown, index.column()));
}

QVariant EmptyItemListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return {};
    return tr(kCaptions[section]);
}

QString EmptyItemListModel::NameCellText(const quorvex::EmptyItemRecord& record)
{
    return ShownText(record.Name) + DiskCheckMarker(record.check);
}

const quorvex::EmptyItemRecord* EmptyItemListModel::record(int row) const
{
    if (row < 0 || row >= count_)
        return nullptr;
    return &records_[static_cast<std::size_t>(row)];
}

void EmptyItemListModel::ClearResultList()
{
    beginResetModel();
    count_ = 0;
    endResetModel();
    records_.clear();
    records_.shrink_to_fit();
}

void EmptyItemListModel::showRecords()
{
    beginResetModel();
    count_ = static_cast<int>(std::min<std::size_t>(records_.size(), INT_MAX));
    endResetModel();
}

void EmptyItemListModel::removeRecords(const std::vector<std::size_t>& descendingRows)
{
    beginResetModel();
    quorvex::RemoveEmptyItemRecords(records_, descendingRows);
    count_ = static_cast<int>(std::min<std::size_t>(records_.size(), INT_MAX));
    endResetModel();
}

bool EmptyItemListModel::ListView1DataHint(int first, int last)
{
    bool changed = false;
    for (int row = std::max(first, 0); row <= std::min(last, count_ - 1); ++row) {
        quorvex::EmptyItemRecord& shown = records_[static_cast<std::size_t>(row)];
        if (shown.IconIndex != -1)
            continue;
        // A path that vanished yields no icon; it is asked about again when next shown.
        shown.IconIndex = icons_.GetPathIcon(shown.Path, false);
        shown.TypeName = TextBytes(icons_.LastTypeName());
        shown.OverlayIndex = icons_.OverlayIndex();
        changed = changed || shown.IconIndex != -1;
    }
    return changed;
}
