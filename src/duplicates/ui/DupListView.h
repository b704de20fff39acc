#pragma once
// ListView4, the duplicate result list: a TMyListView over DupListModel that paints
// every row itself (group bands, the selection beside the icon, the composite icon,
// the cell texts) and looks up icons for the rows about to be painted.

#include "desktop/ResultListView.h"

class DupListModel;

class DupListView : public ResultListView
{
    Q_OBJECT

public:
    DupListView(DupListModel& model, SysImageList& images, QWidget* parent = nullptr);

    DupListModel& listModel() const { return model_; }

    // The selected rows in row order, and the first of them (-1 without one).
    std::vector<int> selectedRowNumbers() const;
    int selectedRow() const;

protected:
    // Looks up the icons of the rows about to be shown (ListView4DataHint).
    void rowsAboutToShow(int first, int last) override;

private:
    DupListModel& model_;
};

// Paints one cell of a row of ListView4 (ListView4AdvancedCustomDrawItem).
class DupRowDelegate : public ResultRowDelegate
{
public:
    explicit DupRowDelegate(const DupListView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    const DupListView& view_;
};
