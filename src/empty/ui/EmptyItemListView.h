#pragma once
// ListView1, the list of empty items: a TMyListView over EmptyItemListModel that
// paints every row itself (selection from the icon's right edge, the composite icon
// of selected or overlaid rows, the four texts) and looks up the icons and type
// names of the rows about to be painted.

#include "desktop/ResultListView.h"

class EmptyItemListModel;

class EmptyItemListView : public ResultListView
{
    Q_OBJECT

public:
    EmptyItemListView(EmptyItemListModel& model, SysImageList& images, QWidget* parent = nullptr);

    EmptyItemListModel& listModel() const { return model_; }

    // The selected rows, ascending.
    std::vector<std::size_t> selectedRows() const;

protected:
    // Looks up the icons and type names of the rows about to be shown (ListView1DataHint).
    void rowsAboutToShow(int first, int last) override;

private:
    EmptyItemListModel& model_;
};

// Paints one cell of a row of ListView1 (ListView1AdvancedCustomDrawItem).
class EmptyItemRowDelegate : public ResultRowDelegate
{
public:
    explicit EmptyItemRowDelegate(const EmptyItemListView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const EmptyItemListView& view_;
};
