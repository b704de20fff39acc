#include "duplicates/ui/DupListModel.h"

#include "desktop/DiskCheckMarker.h"
#include "desktop/IconLookup.h"
#include "desktop/ListLook.h"
#include "duplicates/SizeText.h"
#include "duplicates/ui/DupWords.h"
#include "platform/desktop/ShownText.h"

#include <algorithm>

using quorvex::TDupRecord;

namespace {

const char* const kCaptions[DupListModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("DupListModel", "名前"),
    QT_TRANSLATE_NOOP("DupListModel", "内容(%)"),
    QT_TRANSLATE_NOOP("DupListModel", "サイズ"),
    QT_TRANSLATE_NOOP("DupListModel", "更新日"),
    "Path",
    QT_TRANSLATE_NOOP("DupListModel", "重複"),
};

// What the name cell adds for a file that was acted on since the search.
QString stateMarker(quorvex::RowState state)
{
    switch (state) {
    case quorvex::RowState::AsFound:
        break;
    case quorvex::RowState::HardLinked:
        return DupListModel::tr(" [ハードリンク]");
    case quorvex::RowState::SymbolicLinked:
        return DupListModel::tr(" [シンボリックリンク]");
    case quorvex::RowState::Cloned:
        return DupListModel::tr(" [リフリンク]");
    case quorvex::RowState::Moved:
        return DupListModel::tr(" [移動済み]");
    }
    return {};
}

} // namespace

DupListModel::DupListModel(quorvex::DupList& list, const ListLook& look, IconLookup& icons,
                           QObject* parent)
    : QAbstractTableModel(parent), list_(list), look_(look), icons_(icons)
{
}

int DupListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count_;
}

int DupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

const TDupRecord* DupListModel::record(int row) const
{
    if (row < 0 || row >= count_ || static_cast<std::size_t>(row) >= list_.size())
        return nullptr;
    return &list_[static_cast<std::size_t>(row)];
}

QString DupListModel::cellText(int row, int column) const
{
    const TDupRecord* shown = record(row);
    if (!shown)
        return {};
    switch (column) {
    case 0:
        return ShownText(list_.name(*shown)) + stateMarker(shown->state) +
               DiskCheckMarker(shown->check);
    case 1:
        return ShownText(quorvex::ContentText(*shown, TextBytes(DupWords::reference())));
    case 2:
        return ShownText(quorvex::SizeCellText(shown->size, look_.sizeInBytes()));
    case 3:
        return ShownText(quorvex::DateText(*shown));
    case 4:
        return ShownText(list_.folder(*shown));
    case GroupColumn:
        return DupMode_ ? ShownText(quorvex::GroupText(*shown)) : QString();
    default:
        return {};
    }
}

QColor DupListModel::rowColor(int row) const
{
    const TDupRecord* shown = record(row);
    if (!shown || !DupMode_ || shown->band == quorvex::kBandEmpty)
        return {};
    return shown->band == 0 ? look_.duplicateColor() : QColor(Qt::white);
}

std::string DupListModel::RecordPath(int row) const
{
    const TDupRecord* shown = record(row);
    return shown ? list_.RecordPath(*shown) : std::string();
}

QVariant DupListModel::data(const QModelIndex& index, int role) const
{
    if (!record(index.row()) || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == 2 ? int(Qt::AlignRight | Qt::AlignVCenter)
                                   : int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const QColor color = rowColor(index.row());
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default:
        return {};
    }
}

QVariant DupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return tr(kCaptions[section]);
    if (role == Qt::TextAlignmentRole)
        return int((section == 2 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

void DupListModel::ClearResultList()
{
    beginResetModel();
    count_ = 0;
    endResetModel();
    list_.clear();
}

void DupListModel::showRows()
{
    beginResetModel();
    count_ = static_cast<int>(list_.size());
    endResetModel();
}

void DupListModel::rowsChanged()
{
    if (count_ > 0)
        emit dataChanged(index(0, 0), index(count_ - 1, ColumnCount - 1));
}

bool DupListModel::ListView4DataHint(int first, int last)
{
    bool changed = false;
    for (int row = std::max(first, 0); row <= last && row < count_; ++row) {
        TDupRecord& shown = list_[static_cast<std::size_t>(row)];
        if (shown.IconIndex != -1)
            continue;
        shown.IconIndex = icons_.GetPathIcon(list_.RecordPath(shown), false);
        shown.OverlayIndex = static_cast<std::int8_t>(icons_.OverlayIndex());
        changed = true;
    }
    return changed;
}
