#include "desktop/ColumnSort.h"

#include <QAbstractItemModel>

#include "controls/TMyListView.h"

namespace {
constexpr int kDescendingImage = 16; // + 1 for ascending
}

void AnnounceNewRowOrder(QAbstractItemModel& model)
{
    emit model.layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    emit model.layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void SetColumnSortMarker(TMyListView& list, int column, int direction)
{
    list.GetColumnHandle()->setColumnImage(column,
                                           direction >= 0 ? kDescendingImage + direction : -1);
}

int ColumnSort::takeDirection(int column)
{
    std::uint16_t& flag = flags_.at(column);
    const int direction = flag;
    flag = flag ? 0 : 1;
    return direction;
}

void ColumnSort::setNextDirection(int column, int direction)
{
    flags_.at(column) = direction ? 1 : 0;
}

void ColumnSort::markSorted(TMyListView& list, int column, int direction)
{
    if (column != sortColumn_)
        SetColumnSortMarker(list, sortColumn_, -1);
    sortColumn_ = column;
    sortDirection_ = direction;
    SetColumnSortMarker(list, column, direction);
}

void ColumnSort::clearMarker(TMyListView& list)
{
    SetColumnSortMarker(list, sortColumn_, -1);
    sortDirection_ = -1;
}

void ColumnSort::reapplyMarker(TMyListView& list) const
{
    SetColumnSortMarker(list, sortColumn_, sortDirection_);
}
