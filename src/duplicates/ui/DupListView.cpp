#include "duplicates/ui/DupListView.h"

#include "actions/ListItemActions.h"
#include "compare/ui/CompositeIcon.h"
#include "duplicates/ui/DupListModel.h"
#include "platform/desktop/SysImageList.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kLabelLeft = 18; // the name's label area in column 0

// One line, vertically centred, cut with an ellipsis when too long; "&" is literal.
void drawCellText(QPainter& painter, QRect area, const QString& text, Qt::Alignment alignment)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

} // namespace

DupListView::DupListView(DupListModel& model, SysImageList& images, QWidget* parent)
    : TMyListView(parent), model_(model), images_(images)
{
    setModel(&model);
    setItemDelegate(new DupRowDelegate(*this));
    setGridLines(true);
}

std::vector<int> DupListView::selectedRowNumbers() const
{
    return SelectedRowNumbers(*this);
}

int DupListView::selectedRow() const
{
    return FirstSelectedRow(*this);
}

void DupListView::paintEvent(QPaintEvent* event)
{
    // Icons are looked up for the rows about to be shown, once per row.
    const QModelIndex top = indexAt(QPoint(1, 1));
    if (top.isValid()) {
        const QModelIndex bottom = indexAt(QPoint(1, viewport()->height() - 2));
        const int last = bottom.isValid() ? bottom.row() : model_.rowCount() - 1;
        model_.ListView4DataHint(top.row(), last);
    }
    TMyListView::paintEvent(event);
}

void DupListView::resizeEvent(QResizeEvent* event)
{
    TMyListView::resizeEvent(event);
    emit resized();
}

void DupListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    TMyListView::drawRow(painter, option, index);
    if (!selectionModel()->isRowSelected(index.row(), index.parent()))
        return;
    // The focus rectangle around the selection, which starts beside the icon.
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = option.rect;
    focus.rect.setLeft(columnViewportPosition(0) + DupRowDelegate::IconArea);
    focus.backgroundColor = palette().color(QPalette::Highlight);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
}

DupRowDelegate::DupRowDelegate(const DupListView& view)
    : QStyledItemDelegate(const_cast<DupListView*>(&view)), view_(view)
{
}

QSize DupRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return QSize(base.width(), std::max(18, option.fontMetrics.height() + 4));
}

void DupRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const DupListModel& model = view_.listModel();
    const quorvex::TDupRecord* record = model.record(index.row());
    if (!record)
        return;
    const int column = index.column();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    const QPalette& palette = option.palette;
    const QColor band = model.rowColor(index.row());

    painter->save();
    QColor textColor = palette.color(QPalette::Text);
    if (selected) {
        QRect selection = cell;
        if (column == 0) {
            const int selectionLeft = view_.columnViewportPosition(0) + DupRowDelegate::IconArea;
            painter->fillRect(
                QRect(cell.left(), cell.top(), selectionLeft - cell.left(), cell.height()),
                band.isValid() ? band : palette.color(QPalette::Base));
            selection.setLeft(selectionLeft);
        }
        painter->fillRect(selection, palette.color(QPalette::Highlight));
        textColor = Qt::white;
    } else {
        painter->fillRect(cell, band.isValid() ? band : palette.color(QPalette::Base));
    }
    painter->setPen(textColor);
    painter->setFont(option.font);

    const QString text = model.cellText(index.row(), column);
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
        drawCellText(*painter, label, text, Qt::AlignLeft);
    } else if (column == 2) {
        drawCellText(*painter, cell.adjusted(0, -1, -3, -1), text, Qt::AlignRight);
    } else {
        drawCellText(*painter, cell.adjusted(6, -1, 0, -1), text, Qt::AlignLeft);
    }
    painter->restore();
}
