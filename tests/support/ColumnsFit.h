#pragma once
// Checks that every column of a list with grid lines ends inside the list's viewport,
// beside the vertical scroll bar: no horizontal scroll bar is needed, and each
// column's grid line on its last pixel column shows in a grab of the whole widget
// (a column that ran under the scroll bar would show the bar there instead).

#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTreeView>

#include <gtest/gtest.h>

namespace quorvex::test {

// Lets the list lay itself out first, as it does before it paints: the delayed
// layout, then the scroll bars it shows or hides in turn.
inline void ExpectColumnsInsideViewport(QTreeView& list)
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    ASSERT_GT(list.model()->rowCount(), 0);
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
    const QImage shot = list.grab().toImage();
    const QRect viewport = list.viewport()->geometry();
    const QColor grid = list.palette().color(QPalette::Midlight);
    const int y = viewport.top() + list.visualRect(list.model()->index(0, 0)).center().y();
    for (int column = 0; column < list.header()->count(); ++column) {
        if (list.isColumnHidden(column))
            continue;
        const int right =
            viewport.left() + list.columnViewportPosition(column) + list.columnWidth(column) - 1;
        EXPECT_LE(right, viewport.right()) << "column " << column;
        EXPECT_EQ(shot.pixel(right, y), grid.rgb()) << "column " << column;
    }
}

} // namespace quorvex::test
