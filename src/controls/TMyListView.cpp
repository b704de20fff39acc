#include "controls/TMyListView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

bool sameImages(const QList<QPixmap>& a, const QList<QPixmap>& b)
{
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const QPixmap& x, const QPixmap& y) { return x.cacheKey() == y.cacheKey(); });
}

} // namespace

TMyListViewHeader::TMyListViewHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setSectionsMovable(true);
    setHighlightSections(false);
    setSortIndicatorShown(false);
    setStretchLastSection(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMinimumSectionSize(0);
    connect(this, &QHeaderView::sectionResized, this, [this](int column, int, int newWidth) {
        columnsChangedByMouse_ = columnsChangedByMouse_ || mouseHeld_;
        enforceLimits(column, newWidth);
    });
    connect(this, &QHeaderView::sectionMoved, this,
            [this] { columnsChangedByMouse_ = columnsChangedByMouse_ || mouseHeld_; });
}

bool TMyListViewHeader::setImageList(const QList<QPixmap>& images)
{
    if (sameImages(images, images_))
        return false;
    images_ = images;
    viewport()->update();
    return true;
}

void TMyListViewHeader::setColumnImage(int column, int imageIndex)
{
    if (imageIndex < 0)
        columnImages_.remove(column);
    else
        columnImages_.insert(column, imageIndex);
    updateSection(column);
}

void TMyListViewHeader::setColumnWidthLimits(int column, int minWidth, int maxWidth)
{
    widthLimits_.insert(column, {minWidth, maxWidth});
    if (column < count())
        enforceLimits(column, sectionSize(column));
}

void TMyListViewHeader::enforceLimits(int column, int newWidth)
{
    const auto limits = widthLimits_.constFind(column);
    if (limits == widthLimits_.constEnd())
        return;
    const auto [minWidth, maxWidth] = *limits;
    int width = std::max(newWidth, minWidth);
    if (maxWidth > 0)
        width = std::min(width, maxWidth);
    if (width != newWidth)
        resizeSection(column, width); // re-enters once with a width inside the limits
}

int TMyListViewHeader::markedCaptionWidth(int column) const
{
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const QString caption =
        model() ? model()->headerData(column, orientation()).toString() : QString();
    int imageWidth = 0;
    for (const QPixmap& image : images_)
        imageWidth = std::max(imageWidth, image.width());
    return fontMetrics().horizontalAdvance(caption) + imageWidth + 3 * margin;
}

void TMyListViewHeader::fitCaptions()
{
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    for (int column = 0; column < count(); ++column) {
        const QString caption =
            model() ? model()->headerData(column, orientation()).toString() : QString();
        if (fontMetrics().horizontalAdvance(caption) + 2 * margin <= sectionSize(column))
            continue;
        // Room for a sort marker too, now that the column grows anyway.
        const int width = markedCaptionWidth(column) - margin;
        const auto limits = widthLimits_.find(column);
        if (limits != widthLimits_.end() && limits->second > 0)
            limits->second = std::max(limits->second, width);
        resizeSection(column, width);
    }
}

void TMyListViewHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QHeaderView::paintSection(painter, rect, logicalIndex);
    const int imageIndex = columnImage(logicalIndex);
    if (imageIndex < 0 || imageIndex >= images_.size())
        return;
    // At the right of the caption, or at the right edge when the caption fills the column.
    const QPixmap& image = images_.at(imageIndex);
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const QString caption =
        model() ? model()->headerData(logicalIndex, orientation()).toString() : QString();
    const int captionRight = rect.left() + margin + fontMetrics().horizontalAdvance(caption);
    const int x = std::min(captionRight + margin, rect.right() - margin - image.width());
    const int y = rect.top() + (rect.height() - image.height()) / 2;
    painter->save();
    painter->setClipRect(rect);
    painter->drawPixmap(std::max(x, rect.left()), y, image);
    painter->restore();
}

void TMyListViewHeader::mousePressEvent(QMouseEvent* event)
{
    mouseHeld_ = true;
    columnsChangedByMouse_ = false;
    QHeaderView::mousePressEvent(event);
}

void TMyListViewHeader::mouseReleaseEvent(QMouseEvent* event)
{
    QHeaderView::mouseReleaseEvent(event);
    mouseHeld_ = false;
    if (columnsChangedByMouse_) {
        columnsChangedByMouse_ = false;
        emit mouseOperationEnded();
    }
}

TMyListView::TMyListView(QWidget* parent) : QTreeView(parent)
{
    auto* header = new TMyListViewHeader(this);
    setHeader(header);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Sorting is the pages' own (by column clicks), so the view's sorting stays off;
    // switching it off also makes the header unclickable, hence the order here.
    setSortingEnabled(false);
    header->setSectionsClickable(true);
    connect(header, &TMyListViewHeader::mouseOperationEnded, this, &TMyListView::OnCmChange);
    connect(header, &QHeaderView::sectionClicked, this, &TMyListView::columnClick);
}

TMyListViewHeader* TMyListView::GetColumnHandle() const
{
    return static_cast<TMyListViewHeader*>(header());
}

void TMyListView::SetColumnImageList(const QList<QPixmap>& images)
{
    GetColumnHandle()->setImageList(images);
}

void TMyListView::setGridLines(bool on)
{
    gridLines_ = on;
    viewport()->update();
}

void TMyListView::keepSelectionVisible()
{
    QPalette colors = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        colors.setColor(QPalette::Inactive, role, colors.color(QPalette::Active, role));
    setPalette(colors);
}

void TMyListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QTreeView::drawRow(painter, option, index);
    if (!gridLines_)
        return;
    painter->save();
    painter->setPen(palette().color(QPalette::Midlight));
    const QRect row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    for (int visual = 0; visual < header()->count(); ++visual) {
        const int logical = header()->logicalIndex(visual);
        if (header()->isSectionHidden(logical))
            continue;
        const int right = columnViewportPosition(logical) + header()->sectionSize(logical) - 1;
        painter->drawLine(right, row.top(), right, row.bottom());
    }
    painter->restore();
}
