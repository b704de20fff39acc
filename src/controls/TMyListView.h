#pragma once
// The report-style list view of the result lists. It shows a model that holds only a
// row count and answers for the rows being painted (the view asks for visible rows
// only), with optional grid lines. What it adds to a plain view is its column header:
// the header takes an image list and shows one image of it at the right of a column's
// caption (the sort markers), keeps per-column width limits, and the view raises
// OnCmChange when a column resize or drag with the mouse ends.

#include <QHash>
#include <QHeaderView>
#include <QList>
#include <QPixmap>
#include <QTreeView>

class TMyListViewHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit TMyListViewHeader(QWidget* parent = nullptr);

    // Returns false, changing nothing, when the header already has this image list.
    bool setImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& imageList() const { return images_; }

    // The image shown at the right of the column's caption; -1 shows none.
    void setColumnImage(int column, int imageIndex);
    int columnImage(int column) const { return columnImages_.value(column, -1); }

    // A width the user drags outside min .. max (max 0: unlimited) snaps back to it.
    void setColumnWidthLimits(int column, int minWidth, int maxWidth);

    // The narrowest width that shows the column's caption whole with an image of the
    // image list (a sort marker) at its right.
    int markedCaptionWidth(int column) const;
    // Widens the columns too narrow for their caption (within the margins at either
    // end) to hold a sort marker beside it as well, past their maximum if need be: a
    // caption of another language may be longer than the one the widths were chosen
    // for.
    void fitCaptions();

signals:
    // A resize or drag of a column with the mouse has ended.
    void mouseOperationEnded();

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void enforceLimits(int column, int newWidth);

    QList<QPixmap> images_;
    QHash<int, int> columnImages_;
    QHash<int, std::pair<int, int>> widthLimits_;
    bool mouseHeld_ = false;
    bool columnsChangedByMouse_ = false; // while the mouse was held
};

class TMyListView : public QTreeView
{
    Q_OBJECT

public:
    explicit TMyListView(QWidget* parent = nullptr);

    // The column header, which takes the image list and the column images.
    TMyListViewHeader* GetColumnHandle() const;
    // Gives the header the image list; nothing happens when it already has it. The
    // views' own item icons are not affected.
    void SetColumnImageList(const QList<QPixmap>& images);

    void setGridLines(bool on);
    // The selection keeps its colours while the list has no focus and its window is
    // not the active one.
    void keepSelectionVisible();

signals:
    void OnCmChange();
    void columnClick(int column);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    bool gridLines_ = false;
};
