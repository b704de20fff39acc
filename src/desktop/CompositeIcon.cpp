#include "desktop/CompositeIcon.h"

#include "platform/desktop/SysImageList.h"

#include <QPainter>

namespace {

int blendChannel(int pixel, int target)
{
    return target + ((pixel - target) * 131) / 256;
}

} // namespace

QImage CompositeIcon(const SysImageList& images, bool selected, bool hidden, int overlayIndex,
                     int iconIndex)
{
    constexpr int size = SysImageList::IconSize;
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        images.draw(painter, QPoint(0, 0), iconIndex);
    }
    const bool blend = hidden || selected;
    const QColor target = hidden ? QColor(255, 255, 255) : QColor(0, 0, 128);
    QImage picture(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(icon.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int alpha = qAlpha(in[x]);
            if (alpha == 0) { // the mask: transparent parts become white
                out[x] = qRgb(255, 255, 255);
                continue;
            }
            // The icon pixel as it shows on white, then blended toward the target.
            auto channel = [&](int value, int targetValue) {
                const int onWhite = (value * alpha + 255 * (255 - alpha)) / 255;
                return blend ? blendChannel(onWhite, targetValue) : onWhite;
            };
            out[x] =
                qRgb(channel(qRed(in[x]), target.red()), channel(qGreen(in[x]), target.green()),
                     channel(qBlue(in[x]), target.blue()));
        }
    }
    if (overlayIndex != -1) {
        QPainter painter(&picture);
        images.drawOverlay(painter, QPoint(0, 0), overlayIndex);
    }
    return picture;
}
