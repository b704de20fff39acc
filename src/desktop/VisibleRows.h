#pragma once
// The rows a result list is about to paint: the first and last row that the
// viewport shows, for the lazy icon lookups that run right before painting.

#include <QAbstractItemView>

#include <optional>
#include <utility>

// Nothing when no row is in view.
inline std::optional<std::pair<int, int>> VisibleRowRange(const QAbstractItemView& view)
{
    const QModelIndex top = view.indexAt(QPoint(1, 1));
    if (!top.isValid())
        return std::nullopt;
    const QModelIndex bottom = view.indexAt(QPoint(1, view.viewport()->height() - 2));
    return std::pair{top.row(), bottom.isValid() ? bottom.row() : view.model()->rowCount() - 1};
}
