#include "empty/ui/EmptyItemListView.h"

#include "desktop/BatchPrompts.h"
#include "desktop/ListItemActions.h"
#include "empty/ui/EmptyItemColumns.h"
#include "empty/ui/EmptyItemListModel.h"
#include "platform/desktop/ShownText.h"

#include <QPainter>

EmptyItemListView::EmptyItemListView(EmptyItemListModel& model, SysImageList& images,
                                     QWidget* parent)
    : ResultListView(model, images, parent), model_(model)
{
    setItemDelegate(new EmptyItemRowDelegate(*this));
}

std::vector<std::size_t> EmptyItemListView::selectedRows() const
{
    const std::vector<int> rows = SelectedRowNumbers(*this);
    return {rows.begin(), rows.end()};
}

void EmptyItemListView::rowsAboutToShow(int first, int last)
{
    model_.ListView1DataHint(first, last);
}

EmptyItemRowDelegate::EmptyItemRowDelegate(const EmptyItemListView& view)
    : ResultRowDelegate(view), view_(view)
{
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

    painter->save();
    const QColor base = option.palette.color(QPalette::Base);
    paintCellBase(*painter, option, column, base, base);

    if (column == 0)
        paintNameCell(*painter, cell, selected, {record->IconIndex, record->OverlayIndex, false},
                      EmptyItemListModel::NameCellText(*record));
    else
        drawCellText(*painter, subItemArea(cell), ShownText(EmptyItemField(*record, column)));
    painter->restore();
}
