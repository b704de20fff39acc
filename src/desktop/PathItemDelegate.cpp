#include "desktop/PathItemDelegate.h"

#include "desktop/IconLookup.h"
#include "platform/desktop/ShownText.h"
#include "platform/desktop/SysImageList.h"

#include <QPainter>

PathItemDelegate::PathItemDelegate(IconLookup& icons, QPoint textOffset, Selection selection,
                                   QObject* parent)
    : QStyledItemDelegate(parent), icons_(icons), textOffset_(textOffset), selection_(selection)
{
}

QSize PathItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), ItemHeight);
}

void PathItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    const bool selected = option.state & QStyle::State_Selected;
    QColor background = option.palette.color(QPalette::Base);
    QColor foreground = option.palette.color(QPalette::Text);
    if (selected) {
        background = selection_ == Selection::Navy ? QColor(0, 0, 128)
                                                   : option.palette.color(QPalette::Highlight);
        foreground = selection_ == Selection::Navy
                         ? QColor(Qt::white)
                         : option.palette.color(QPalette::HighlightedText);
    }
    painter->save();
    painter->fillRect(option.rect, background);
    const int icon = icons_.GetPathIcon(TextBytes(text), false);
    const QPoint iconAt = option.rect.topLeft() + QPoint(1, 1);
    icons_.images().draw(*painter, iconAt, icon);
    icons_.images().drawOverlay(*painter, iconAt, icons_.OverlayIndex());
    painter->setPen(foreground);
    painter->setFont(option.font);
    const QRect textArea = option.rect.adjusted(textOffset_.x(), textOffset_.y(), 0, 0);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}
