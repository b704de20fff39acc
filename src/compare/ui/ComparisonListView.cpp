#include "compare/ui/ComparisonListView.h"

#include "actions/ListItemActions.h"
#include "compare/ui/ComparisonListModel.h"
#include "compare/ui/CompositeIcon.h"
#include "platform/desktop/SysImageList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kIconArea = 17;  // the icon's part of column 0, left of the selection
constexpr int kLabelLeft = 18; // the name's label area in column 0
const QColor kClickedCell(0, 0, 255);
const QColor kBarFrame(128, 128, 128);
const QColor kBarFill(153, 210, 115);

QString toQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One line, vertically centred, cut with an ellipsis when too long; "&" is literal.
void drawCellText(QPainter& painter, QRect area, const QString& text, Qt::Alignment alignment)
{
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter.drawText(area, int(alignment | Qt::AlignVCenter | Qt::TextSingleLine), shown);
}

} // namespace

ComparisonListView::ComparisonListView(ComparisonListModel& model, SysImageList& images,
                                       QWidget* parent)
    : TMyListView(parent), model_(model), images_(images)
{
    setModel(&model);
    setItemDelegate(new ComparisonRowDelegate(*this));
    setGridLines(true);
}

void ComparisonListView::setShowsGraph(bool on)
{
    showsGraph_ = on;
    viewport()->update();
}

QString ComparisonListView::cellPath(int row) const
{
    return toQString(
        quorvex::ComparisonCellPath(model_.row(row), ClickedSide_, model_.RootA(), model_.RootB()));
}

int ComparisonListView::selectedRow() const
{
    return FirstSelectedRow(*this);
}

void ComparisonListView::paintEvent(QPaintEvent* event)
{
    // Icons are resolved for the rows about to be shown, once per row.
    const QModelIndex top = indexAt(QPoint(1, 1));
    if (top.isValid()) {
        const QModelIndex bottom = indexAt(QPoint(1, viewport()->height() - 2));
        const int last = bottom.isValid() ? bottom.row() : model_.rowCount() - 1;
        model_.ListView2DataHint(top.row(), last);
    }
    TMyListView::paintEvent(event);
}

void ComparisonListView::mousePressEvent(QMouseEvent* event)
{
    TMyListView::mousePressEvent(event);
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
        emit popupRequested(event.globalPosition().toPoint());
}

void ComparisonListView::keyPressEvent(QKeyEvent* event)
{
    ListView2KeyDown(event->key());
    TMyListView::keyPressEvent(event);
}

void ComparisonListView::ListView2KeyDown(int key)
{
    // The row selected before the key moves the selection.
    if (key == Qt::Key_Up || key == Qt::Key_Down)
        emit statusText(cellPath(selectedRow()));
}

void ComparisonListView::resizeEvent(QResizeEvent* event)
{
    TMyListView::resizeEvent(event);
    emit resized();
}

ComparisonRowDelegate::ComparisonRowDelegate(const ComparisonListView& view)
    : QStyledItemDelegate(const_cast<ComparisonListView*>(&view)), view_(view)
{
}

QSize ComparisonRowDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const
{
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return QSize(base.width(), std::max(18, option.fontMetrics.height() + 4));
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
    QColor textColor = palette.color(QPalette::Text);

    painter->save();
    if (selected) {
        QRect selection = cell;
        if (column == 0) {
            const int selectionLeft = view_.columnViewportPosition(0) + kIconArea;
            painter->fillRect(
                QRect(cell.left(), cell.top(), selectionLeft - cell.left(), cell.height()),
                palette.color(QPalette::Base));
            selection.setLeft(selectionLeft);
        }
        painter->fillRect(selection, palette.color(QPalette::Highlight));
        textColor = Qt::white;
        if (view_.ClickedSide() == column && column <= 1) {
            QRect label = cell;
            if (column == 0)
                label.setLeft(cell.left() + kLabelLeft);
            painter->fillRect(label, kClickedCell);
        }
    } else {
        const QColor shade = model.shadeColor(model.shade(index.row()));
        painter->fillRect(cell, shade.isValid() ? shade : palette.color(QPalette::Base));
    }
    painter->setPen(textColor);
    painter->setFont(option.font);

    if (column == 0) {
        const QPoint iconAt(cell.left() + 1,
                            cell.top() + (cell.height() - SysImageList::IconSize) / 2);
        if (NeedsCompositeIcon(selected, row->hidden, row->overlayIndex))
            painter->drawImage(iconAt, CompositeIcon(view_.images(), selected, row->hidden,
                                                     row->overlayIndex, row->iconIndex));
        else
            view_.images().draw(*painter, iconAt, row->iconIndex);
        const QRect label(cell.left() + kLabelLeft + 2, cell.top() - 1,
                          cell.width() - kLabelLeft - 2, cell.height());
        drawCellText(*painter, label, toQString(row->name()), Qt::AlignLeft);
    } else if (column <= 4) {
        drawCellText(*painter, cell.adjusted(6, -1, 0, -1), toQString(row->cell(column - 1)),
                     Qt::AlignLeft);
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
    QString text = toQString(row.cell(4));
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
