#include "compare/ui/ComparisonListView.h"

#include "compare/ui/ComparisonListModel.h"
#include "desktop/ListItemActions.h"
#include "platform/desktop/ShownText.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kClickedCell(0, 0, 255);
const QColor kBarFrame(128, 128, 128);
const QColor kBarFill(153, 210, 115);

} // namespace

ComparisonListView::ComparisonListView(ComparisonListModel& model, SysImageList& images,
                                       QWidget* parent)
    : ResultListView(model, images, parent), model_(model)
{
    setItemDelegate(new ComparisonRowDelegate(*this));
}

void ComparisonListView::setShowsGraph(bool on)
{
    showsGraph_ = on;
    viewport()->update();
}

QString ComparisonListView::cellPath(int row) const
{
    return ShownText(quorvex::ComparisonCellPath(model_.rows(), model_.row(row), ClickedSide_,
                                                 model_.RootA(), model_.RootB(), model_.words()));
}

int ComparisonListView::selectedRow() const
{
    return FirstSelectedRow(*this);
}

void ComparisonListView::rowsAboutToShow(int first, int last)
{
    model_.ListView2DataHint(first, last);
}

void ComparisonListView::mousePressEvent(QMouseEvent* event)
{
    ResultListView::mousePressEvent(event);
    ListView2MouseDown(*event);
}

void ComparisonListView::ListView2MouseDown(const QMouseEvent& event)
{
    const QPoint pos = event.position().toPoint();
    const QModelIndex hit = indexAt(pos);
    if (hit.isValid()) {
        const int w0 = columnWidth(0), w1 = columnWidth(1);
        const int x = pos.x();
        const int side = x > 16 && x < w0 ? 0 : x > w0 && x < w0 + w1 ? 1 : -1;
        if (side != ClickedSide_) {
            ClickedSide_ = side;
            if (selectionModel()->selectedRows().size() >= 2)
                viewport()->update();
            else
                viewport()->update(
                    visualRect(hit).adjusted(-visualRect(hit).left(), 0, viewport()->width(), 0));
        }
    }
    emit statusText(hit.isValid() ? cellPath(hit.row()) : QString());
    if (event.button() == Qt::RightButton)
        emit popupRequested(pos);
}

// A right press has opened the menu already, once ClickedSide was set.
void ComparisonListView::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        ResultListView::contextMenuEvent(event);
}

void ComparisonListView::keyPressEvent(QKeyEvent* event)
{
    ListView2KeyDown(event->key());
    ResultListView::keyPressEvent(event);
}

void ComparisonListView::ListView2KeyDown(int key)
{
    // The row selected before the key moves the selection.
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        emit statusText(cellPath(selectedRow()));
}

ComparisonRowDelegate::ComparisonRowDelegate(const ComparisonListView& view)
    : ResultRowDelegate(view), view_(view)
{
}

void ComparisonRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const
{
    const ComparisonListModel& model = view_.listModel();
    const quorvex::ComparisonRow* row = model.row(index.row());
    if (!row)
        return;
    const int column = index.column();
    const bool selected = option.state & QStyle::State_Selected;
    const QRect cell = option.rect;
    const QPalette& palette = option.palette;

    const QColor base = palette.color(QPalette::Base);
    const QColor shade = model.shadeColor(model.shade(index.row()));
    painter->save();
    paintCellBase(*painter, option, column, base, shade.isValid() ? shade : base);
    if (selected && view_.ClickedSide() == column && column <= 1) {
        QRect label = cell;
        if (column == 0)
            label.setLeft(cell.left() + LabelLeft);
        painter->fillRect(label, kClickedCell);
    }

    if (column == 0) {
        paintNameCell(*painter, cell, selected, {row->iconIndex, row->overlayIndex, row->hidden()},
                      model.shownText(*row, column));
    } else if (column <= 4) {
        drawCellText(*painter, subItemArea(cell), ShownText(model.text(*row, column)));
    } else {
        paintContentCell(*painter, cell, index, selected);
    }
    painter->restore();
}

// The content column: the match bar with its number while "グラフ" is on, else the
// content text; right-aligned either way.
void ComparisonRowDelegate::paintContentCell(QPainter& painter, const QRect& cell,
                                             const QModelIndex& index, bool selected) const
{
    const quorvex::ComparisonRow& row = *view_.listModel().row(index.row());
    const int left = cell.left(), top = cell.top();
    const int right = cell.left() + cell.width(), bottom = cell.top() + cell.height();
    const int percent = row.percent();
    QRect textArea(left, top - 1, cell.width() - 10, cell.height());
    QString text = ShownText(view_.listModel().text(row, 5));
    if (view_.showsGraph() && percent >= 0) {
        const int w = right - left - 4;
        const int bar = w * percent / 100;
        const QRect box(QPoint(left + 1, top), QPoint(right - 4, bottom - 2));
        painter.fillRect(box, selected ? view_.palette().color(QPalette::Highlight) : Qt::white);
        painter.save();
        painter.setPen(kBarFrame);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.restore();
        if (bar > 0)
            painter.fillRect(QRect(QPoint(left + 3, top + 2), QPoint(left + bar - 2, bottom - 4)),
                             kBarFill);
        text = QString::number(percent) + u'%';
        textArea.setWidth(cell.width() + 10 - w / 2);
    }
    drawCellText(painter, textArea, text, Qt::AlignRight);
}
