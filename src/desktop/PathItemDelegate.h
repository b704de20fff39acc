#pragma once
// Draws a path entry of a history drop-down or list box: the path's icon (with its
// overlay mark) at left + 1, top + 1, then the text at a fixed offset. The drop-downs
// mark the selected entry navy with white text; list boxes use the platform's
// selection colours.

#include <QPoint>
#include <QStyledItemDelegate>

class IconLookup;

class PathItemDelegate : public QStyledItemDelegate
{
public:
    enum class Selection
    {
        Navy,
        Platform
    };
    static constexpr int ItemHeight = 18;

    PathItemDelegate(IconLookup& icons, QPoint textOffset, Selection selection,
                     QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    IconLookup& icons_;
    QPoint textOffset_;
    Selection selection_;
};
