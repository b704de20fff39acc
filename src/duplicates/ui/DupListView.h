#pragma once
// ListView4, the duplicate result list: a TMyListView over DupListModel that paints
// every row itself (group bands, the selection beside the icon, the composite icon,
// the cell texts) and looks up icons for the rows about to be painted.

#include "controls/TMyListView.h"

#include <QStyledItemDelegate>

class DupListModel;
class SysImageList;

class DupListView : public TMyListView
{
    Q_OBJECT

public:
    DupListView(DupListModel& model, SysImageList& images, QWidget* parent = nullptr);

    DupListModel& listModel() const { return model_; }
    SysImageList& images() const { return images_; }

    // The selected rows in row order, and the first of them (-1 without one).
    std::vector<int> selectedRowNumbers() const;
    int selectedRow() const;

signals:
    // The list was resized (ListView4Resize).
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    DupListModel& model_;
    SysImageList& images_;
};

// Paints one cell of a row of ListView4 (ListView4AdvancedCustomDrawItem).
class DupRowDelegate : public QStyledItemDelegate
{
public:
    // The icon's part of column 0, which the selection leaves uncovered.
    static constexpr int IconArea = 17;

    explicit DupRowDelegate(const DupListView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const DupListView& view_;
};
