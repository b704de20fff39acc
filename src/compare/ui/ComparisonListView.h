#pragma once
// ListView2, the comparison result list: a TMyListView over ComparisonListModel that
// paints every row itself (shade colours, the clicked name cell, the composite icon,
// the content bar), resolves icons for the rows about to be painted, and tells which
// name cell the mouse pressed (ClickedSide) and the path behind it.

#include "desktop/ResultListView.h"

class ComparisonListModel;

class ComparisonListView : public ResultListView
{
    Q_OBJECT

public:
    ComparisonListView(ComparisonListModel& model, SysImageList& images, QWidget* parent = nullptr);

    ComparisonListModel& listModel() const { return model_; }

    // Which name cell was pressed last: 0 "名前 A", 1 "名前 B", -1 neither.
    int ClickedSide() const { return ClickedSide_; }
    // "グラフ" checked and enabled: the content column shows a bar.
    bool showsGraph() const { return showsGraph_; }
    void setShowsGraph(bool on);

    // The path of ClickedSide in the row, empty without one (ComparisonCellPath).
    QString cellPath(int row) const;
    // The first selected row, or -1.
    int selectedRow() const;

signals:
    // Status panel 0 text after a press or an arrow key.
    void statusText(const QString& text);

protected:
    // Resolves the icons of the rows about to be shown (ListView2DataHint).
    void rowsAboutToShow(int first, int last) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ListView2MouseDown(const QMouseEvent& event);
    void ListView2KeyDown(int key);

    ComparisonListModel& model_;
    int ClickedSide_ = 0;
    bool showsGraph_ = false;
};

// Paints one cell of a row of ListView2 (ListView2AdvancedCustomDrawItem).
class ComparisonRowDelegate : public ResultRowDelegate
{
public:
    explicit ComparisonRowDelegate(const ComparisonListView& view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    void paintContentCell(QPainter& painter, const QRect& cell, const QModelIndex& index,
                          bool selected) const;

    const ComparisonListView& view_;
};
