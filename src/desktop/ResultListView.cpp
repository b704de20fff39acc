#include "desktop/ResultListView.h"

#include "desktop/CompositeIcon.h"
#include "desktop/ImageList1.h"
#include "desktop/VisibleRows.h"
#include "platform/desktop/SysImageList.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

ResultListView::ResultListView(QAbstractItemModel& model, SysImageList& images, QWidget* parent)
    : TMyListView(parent), images_(images)
{
    setModel(&model);
    setGridLines(true);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(15);
    setFont(font);
    QList<QPixmap> headerImages;
    for (const QImage& image : ImageList1())
        headerImages.append(QPixmap::fromImage(image));
    SetColumnImageList(headerImages);
    keepSelectionVisible();
}

void ResultListView::widenColumnToFit(int column, const QString& widestCell)
{
    // The text's room in a cell: the sub-item offset at the left, the right-aligned
    // texts' offset at the right, and a little air.
    constexpr int cellMargins = 12;
    const int needed = std::max(fontMetrics().horizontalAdvance(widestCell) + cellMargins,
                                GetColumnHandle()->markedCaptionWidth(column));
    if (needed > columnWidth(column))
        setColumnWidth(column, needed); // the header keeps it within the limits
}

void ResultListView::paintEvent(QPaintEvent* event)
{
    if (const auto rows = VisibleRowRange(*this))
        rowsAboutToShow(rows->first, rows->second);
    TMyListView::paintEvent(event);
}

void ResultListView::keyPressEvent(QKeyEvent* event)
{
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (menuKey || shiftF10)
        emit popupRequested(currentRowPoint());
    else
        TMyListView::keyPressEvent(event);
}

// A right click, or the Menu key where the system turns it into a request of its own.
void ResultListView::contextMenuEvent(QContextMenuEvent* event)
{
    emit popupRequested(event->reason() == QContextMenuEvent::Keyboard ? currentRowPoint()
                                                                       : event->pos());
}

QPoint ResultListView::currentRowPoint()
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return QPoint(0, 0);
    scrollTo(current);
    const QRect row = visualRect(current.siblingAtColumn(0));
    return QPoint(columnViewportPosition(0) + ResultRowDelegate::LabelLeft, row.bottom());
}

void ResultListView::resizeEvent(QResizeEvent* event)
{
    TMyListView::resizeEvent(event);
    emit resized();
}

bool ResultListView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width())
            emit viewportWidthChanged();
    }
    return TMyListView::viewportEvent(event);
}

void ResultListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    TMyListView::drawRow(painter, option, index);
    if (!selectionModel()->isRowSelected(index.row(), index.parent()))
        return;
    // Around the selection, which starts beside the icon: every other pixel of the
    // edge turns to the highlight's inverse, so that it shows on any style.
    QRect bounds = option.rect;
    bounds.setLeft(columnViewportPosition(0) + ResultRowDelegate::IconArea);
    const QColor highlight = palette().color(QPalette::Highlight);
    QPen dots(QColor(255 - highlight.red(), 255 - highlight.green(), 255 - highlight.blue()));
    dots.setCosmetic(true);
    dots.setDashPattern({1, 1});
    painter->save();
    painter->setPen(dots);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(bounds.adjusted(0, 0, -1, -1));
    painter->restore();
}

ResultRowDelegate::ResultRowDelegate(const ResultListView& view)
    : QStyledItemDelegate(const_cast<ResultListView*>(&view)), view_(view)
{
}

QSize ResultRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return QSize(base.width(), std::max(18, option.fontMetrics.height() + 4));
}

void ResultRowDelegate::drawCellText(QPainter& painter, const QRect& area, const QString& text,
                                     Qt::Alignment alignment)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

void ResultRowDelegate::paintSelection(QPainter& painter, const QRect& cell, int column,
                                       const QPalette& palette, const QColor& iconBackground) const
{
    QRect selection = cell;
    if (column == 0) {
        const int selectionLeft = view_.columnViewportPosition(0) + IconArea;
        painter.fillRect(QRect(cell.left(), cell.top(), selectionLeft - cell.left(), cell.height()),
                         iconBackground);
        selection.setLeft(selectionLeft);
    }
    painter.fillRect(selection, palette.color(QPalette::Highlight));
    painter.setPen(Qt::white);
}

void ResultRowDelegate::paintCellBase(QPainter& painter, const QStyleOptionViewItem& option,
                                      int column, const QColor& iconBackground,
                                      const QColor& rowBackground) const
{
    painter.setPen(option.palette.color(QPalette::Text));
    if (option.state & QStyle::State_Selected)
        paintSelection(painter, option.rect, column, option.palette, iconBackground);
    else
        painter.fillRect(option.rect, rowBackground);
    painter.setFont(option.font);
}

void ResultRowDelegate::paintNameCell(QPainter& painter, const QRect& cell, bool selected,
                                      const RowIcon& icon, const QString& name) const
{
    const QPoint iconAt(cell.left() + 1, cell.top() + (cell.height() - SysImageList::IconSize) / 2);
    if (NeedsCompositeIcon(selected, icon.dimmed, icon.overlayIndex))
        painter.drawImage(iconAt, CompositeIcon(view_.images(), selected, icon.dimmed,
                                                icon.overlayIndex, icon.iconIndex));
    else
        view_.images().draw(painter, iconAt, icon.iconIndex);
    const QRect label(cell.left() + LabelLeft + 2, cell.top() - 1, cell.width() - LabelLeft - 2,
                      cell.height());
    drawCellText(painter, label, name);
}
