#include "empty/ui/EmptyItemListView.h"

#include "compare/ui/CompositeIcon.h"
#include "compare/ui/VisibleRows.h"
#include "empty/ui/EmptyItemColumns.h"
#include "empty/ui/EmptyItemListModel.h"
#include "platform/desktop/SysImageList.h"
#include "trash/ui/BatchPrompts.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kIconArea = 17;  // the icon's part of column 0, left of the selection
constexpr int kLabelLeft = 18; // the name's label area in column 0

// One line, vertically centred, cut with an ellipsis when too long; "&" is literal.
void drawCellText(QPainter& painter, const QRect& area, const QString& text)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter.drawText(area, int(Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

} // namespace

EmptyItemListView::EmptyItemListView(EmptyItemListModel& model, SysImageList& images,
                                     QWidget* parent)
    : TMyListView(parent), model_(model), images_(images)
{
    setModel(&model);
    setItemDelegate(new EmptyItemRowDelegate(*this));
    setGridLines(true);
}

std::vector<std::size_t> EmptyItemListView::selectedRows() const
{
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void EmptyItemListView::paintEvent(QPaintEvent* event)
{
    // Icons and type names are looked up for the rows about to be shown, once per row.
    if (const auto rows = VisibleRowRange(*this))
        model_.ListView1DataHint(rows->first, rows->second);
    TMyListView::paintEvent(event);
}

void EmptyItemListView::resizeEvent(QResizeEvent* event)
{
    TMyListView::resizeEvent(event);
    emit resized();
}

EmptyItemRowDelegate::EmptyItemRowDelegate(const EmptyItemListView& view)
    : QStyledItemDelegate(const_cast<EmptyItemListView*>(&view)), view_(view)
{
}

QSize EmptyItemRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return QSize(base.width(), std::max(18, option.fontMetrics.height() + 4));
}

void EmptyItemRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const
{
    const quorvex::EmptyItemRecord* record = view_.listModel().record(index.row());
    if (!record)
        return;
    const int column = index.column();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    const QPalette& palette = option.palette;

    painter->save();
    painter->fillRect(cell, palette.color(QPalette::Base));
    painter->setPen(palette.color(QPalette::Text));
    if (selected) {
        QRect selection = cell;
        if (column == 0)
            selection.setLeft(view_.columnViewportPosition(0) + kIconArea);
        painter->fillRect(selection, palette.color(QPalette::Highlight));
        painter->setPen(Qt::white);
    }
    painter->setFont(option.font);

    if (column == 0) {
        const QPoint iconAt(cell.left() + 1,
                            cell.top() + (cell.height() - SysImageList::IconSize) / 2);
        if (NeedsCompositeIcon(selected, false, record->OverlayIndex))
            painter->drawImage(iconAt, CompositeIcon(view_.images(), selected, false,
                                                     record->OverlayIndex, record->IconIndex));
        else
            view_.images().draw(*painter, iconAt, record->IconIndex);
        const QRect label(cell.left() + kLabelLeft + 2, cell.top() - 1,
                          cell.width() - kLabelLeft - 2, cell.height());
        drawCellText(*painter, label, BytesToText(record->Name));
    } else {
        drawCellText(*painter, cell.adjusted(6, -1, 0, -1),
                     BytesToText(EmptyItemField(*record, column)));
    }
    painter->restore();
}
