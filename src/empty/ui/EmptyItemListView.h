#pragma once
// ListView1, the list of empty items: a TMyListView over EmptyItemListModel that
// paints every row itself (selection from the icon's right edge, the composite icon
// of selected or overlaid rows, the four texts) and looks up the icons and type
// names of the rows about to be painted.

#include "controls/TMyListView.h"

#include <QStyledItemDelegate>

class EmptyItemListModel;
class SysImageList;

class EmptyItemListView : public TMyListView
{
    Q_OBJECT

public:
    EmptyItemListView(EmptyItemListModel& model, SysImageList& images, QWidget* parent = nullptr);

    EmptyItemListModel& listModel() const { return model_; }
    SysImageList& images() const { return images_; }

    // The selected rows, ascending.
    std::vector<std::size_t> selectedRows() const;

signals:
    // The list was resized (ListView1Resize).
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    EmptyItemListModel& model_;
    SysImageList& images_;
};

// Paints one cell of a row of ListView1 (ListView1AdvancedCustomDrawItem).
class EmptyItemRowDelegate : public QStyledItemDelegate
{
public:
    explicit EmptyItemRowDelegate(const EmptyItemListView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const EmptyItemListView& view_;
};
