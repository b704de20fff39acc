#include "platform/desktop/SysImageList.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

SysImageList::SysImageList()
{
    EnsureIconTheme();
}

int SysImageList::indexOf(const QStringList& names, bool folder)
{
    for (const QString& name : names) {
        if (!name.isEmpty() && (indexByName_.contains(name) || QIcon::hasThemeIcon(name)))
            return indexOf(name, [&name] { return QIcon::fromTheme(name); });
    }
    return indexOf(folder ? QStringLiteral(":style/folder") : QStringLiteral(":style/file"),
                   [folder] {
                       return QApplication::style()->standardIcon(folder ? QStyle::SP_DirIcon
                                                                         : QStyle::SP_FileIcon);
                   });
}

int SysImageList::indexOf(const QString& key, const std::function<QIcon()>& load)
{
    if (const auto known = indexByName_.constFind(key); known != indexByName_.constEnd())
        return *known;
    const int index = count();
    icons_.append(load());
    indexByName_.insert(key, index);
    return index;
}

QIcon SysImageList::icon(int index) const
{
    return isValidIndex(index) ? icons_.at(index) : QIcon();
}

QPixmap SysImageList::pixmap(int index) const
{
    if (!isValidIndex(index))
        return QPixmap();
    auto cached = pixmaps_.find(index);
    if (cached == pixmaps_.end())
        cached = pixmaps_.insert(index, icons_.at(index).pixmap(IconSize, IconSize));
    return *cached;
}

QPixmap SysImageList::overlayPixmap(int overlayIndex) const
{
    if (overlayIndex != OverlayMark::SharedFolder && overlayIndex != OverlayMark::Link)
        return QPixmap();
    auto cached = overlays_.find(overlayIndex);
    if (cached != overlays_.end())
        return *cached;

    // The mark takes the lower left corner, over a white ground so that it reads on
    // any icon.
    QPixmap overlay(IconSize, IconSize);
    overlay.fill(Qt::transparent);
    const QString name = overlayIndex == OverlayMark::Link ? QStringLiteral("emblem-symbolic-link")
                                                           : QStringLiteral("emblem-shared");
    const QRect corner(0, IconSize / 2 - 1, IconSize / 2 + 1, IconSize / 2 + 1);
    QPainter painter(&overlay);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(corner.adjusted(0, 0, -1, -1));
    const QIcon emblem = QIcon::fromTheme(name);
    if (!emblem.isNull()) {
        emblem.paint(&painter, corner.adjusted(1, 1, -1, -1));
    } else {
        // A plain arrow pointing up and to the right.
        painter.setPen(QPen(QColor(0, 0, 160), 1.5));
        const QPointF from(corner.left() + 2.5, corner.bottom() - 2.0);
        const QPointF to(corner.right() - 2.0, corner.top() + 2.5);
        painter.drawLine(from, to);
        painter.drawLine(to, to + QPointF(-3, 0));
        painter.drawLine(to, to + QPointF(0, 3));
    }
    painter.end();
    return *overlays_.insert(overlayIndex, overlay);
}

void SysImageList::draw(QPainter& painter, const QPoint& topLeft, int index) const
{
    const QPixmap image = pixmap(index);
    if (!image.isNull())
        painter.drawPixmap(topLeft, image);
}

void SysImageList::drawOverlay(QPainter& painter, const QPoint& topLeft, int overlayIndex) const
{
    const QPixmap overlay = overlayPixmap(overlayIndex);
    if (!overlay.isNull())
        painter.drawPixmap(topLeft, overlay);
}
