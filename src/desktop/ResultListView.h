#pragma once
// What the three result lists share: a TMyListView with grid lines over a model that
// answers only for the rows being painted, in the lists' font, with the header images
// for the sort markers and the selection kept visible without the focus. Right before
// painting it announces the visible rows to the subclass (the lazy icon and type
// lookups), and it reports every resize (the sort marker is shown again then) and
// every change of the width left for the columns. ResultRowDelegate carries the row height
// and the drawing steps that every list's cells have in common; the view draws the
// focus rectangle of every selected row.

#include "controls/TMyListView.h"

#include <QStyledItemDelegate>

class SysImageList;

class ResultListView : public TMyListView
{
    Q_OBJECT

public:
    ResultListView(QAbstractItemModel& model, SysImageList& images, QWidget* parent);

    SysImageList& images() const { return images_; }

    // Widens the column, within its width limits, so that a cell text as wide as
    // `widestCell` shows whole and so does the caption with a sort marker beside it.
    void widenColumnToFit(int column, const QString& widestCell);

signals:
    // The list's popup menu is asked for at `viewportPos`: by a right click there, or
    // from the keyboard (the Menu key, Shift+F10) at the current row.
    void popupRequested(const QPoint& viewportPos);
    void resized();
    // The width left for the columns changed, also when the vertical scroll bar came
    // or went.
    void viewportWidthChanged();

protected:
    // The rows `first` .. `last` are about to be painted.
    virtual void rowsAboutToShow(int first, int last) = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    // Every selected row gets a dotted focus rectangle around its selection.
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    // Where a popup asked for from the keyboard opens: in the current row, beside its
    // icon, the row scrolled into view first; the list's top left without one.
    QPoint currentRowPoint();

    SysImageList& images_;
};

class ResultRowDelegate : public QStyledItemDelegate
{
public:
    // The icon's part of column 0, which the selection leaves uncovered.
    static constexpr int IconArea = 17;
    // Where the name's label area starts in column 0.
    static constexpr int LabelLeft = 18;

    explicit ResultRowDelegate(const ResultListView& view);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // The icon of a row's name cell and what decides how it is drawn.
    struct RowIcon
    {
        int iconIndex;
        int overlayIndex;
        bool dimmed;
    };

    // One line, vertically centred, cut with an ellipsis when too long; "&" is literal.
    static void drawCellText(QPainter& painter, const QRect& area, const QString& text,
                             Qt::Alignment alignment = Qt::AlignLeft);
    // The area of a sub-item's text in its cell.
    static QRect subItemArea(const QRect& cell) { return cell.adjusted(6, -1, 0, -1); }

    // The highlight of a selected cell, which in column 0 starts right of the icon and
    // leaves the icon's part in `iconBackground`; the pen turns white.
    void paintSelection(QPainter& painter, const QRect& cell, int column, const QPalette& palette,
                        const QColor& iconBackground) const;
    // The start of a cell's painting: the text pen, the selection (see paintSelection)
    // or `rowBackground`, and the list's font.
    void paintCellBase(QPainter& painter, const QStyleOptionViewItem& option, int column,
                       const QColor& iconBackground, const QColor& rowBackground) const;
    // Column 0: the icon (blended when selected, dimmed or overlaid) and the name in
    // the label area right of it.
    void paintNameCell(QPainter& painter, const QRect& cell, bool selected, const RowIcon& icon,
                       const QString& name) const;

private:
    const ResultListView& view_;
};
