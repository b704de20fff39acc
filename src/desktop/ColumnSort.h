#pragma once
// The sort state every result list keeps: the column sorted last, the direction of
// its marker (-1: no marker) and one direction flag per column that flips after each
// sort by that column and is never reset. The marker is image 16 (descending) or
// 17 (ascending) of the header's image list.

#include <cstdint>
#include <vector>

class QAbstractItemModel;
class TMyListView;

// Tells the views of a list's model that its rows were sorted: a view lays its rows
// out once at its next paint. At a million rows this is far quicker than a change of
// every row's data, which a view checks row by row.
void AnnounceNewRowOrder(QAbstractItemModel& model);

// Shows the marker of `direction` (0 descending, 1 ascending) on the column's header
// item; -1 removes it.
void SetColumnSortMarker(TMyListView& list, int column, int direction);

class ColumnSort
{
public:
    explicit ColumnSort(int columnCount) : flags_(columnCount, 1) {}

    int SortColumn() const { return sortColumn_; }
    int SortDirection() const { return sortDirection_; }

    // The direction (1 ascending, 0 descending) a click on `column` sorts in; the
    // column's flag flips.
    int takeDirection(int column);
    // Sets the direction the next click on `column` sorts in (1 ascending, 0 descending).
    void setNextDirection(int column, int direction);
    // After a sort by `column` in `direction`: the marker moves there.
    void markSorted(TMyListView& list, int column, int direction);
    // Removes the marker (restore order, start of a run).
    void clearMarker(TMyListView& list);
    // The resize rule: the marker of the last sort is shown again (none after a
    // restore).
    void reapplyMarker(TMyListView& list) const;

private:
    std::vector<std::uint16_t> flags_;
    int sortColumn_ = 0;
    int sortDirection_ = -1;
};
