#include "duplicates/ui/DupListView.h"

#include "desktop/ListItemActions.h"
#include "duplicates/ui/DupListModel.h"

#include <QPainter>

DupListView::DupListView(DupListModel& model, SysImageList& images, QWidget* parent)
    : ResultListView(model, images, parent), model_(model)
{
    setItemDelegate(new DupRowDelegate(*this));
}

std::vector<int> DupListView::selectedRowNumbers() const
{
    return SelectedRowNumbers(*this);
}

int DupListView::selectedRow() const
{
    return FirstSelectedRow(*this);
}

void DupListView::rowsAboutToShow(int first, int last)
{
    model_.ListView4DataHint(first, last);
}

DupRowDelegate::DupRowDelegate(const DupListView& view) : ResultRowDelegate(view), view_(view) {}

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
    const QColor background = band.isValid() ? band : palette.color(QPalette::Base);

    painter->save();
    paintCellBase(*painter, option, column, background, background);

    const QString text = model.cellText(index.row(), column);
    if (column == 0)
        paintNameCell(*painter, cell, selected, {record->IconIndex, record->OverlayIndex, false},
                      text);
    else if (column == 2)
        drawCellText(*painter, cell.adjusted(0, -1, -3, -1), text, Qt::AlignRight);
    else
        drawCellText(*painter, subItemArea(cell), text);
    painter->restore();
}
