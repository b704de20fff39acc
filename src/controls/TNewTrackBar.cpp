#include "controls/TNewTrackBar.h"

#include "controls/ColorRef.h"

#include <QPainter>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {

constexpr int tickTop = 1;
constexpr int tickLength = 3;
constexpr int thumbTop = tickTop + tickLength + 1;
constexpr int thumbWidth = 11;

} // namespace

TNewTrackBar::TNewTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setTickPosition(QSlider::TicksAbove);
}

void TNewTrackBar::setBarStyle(TBarStyle style)
{
    barStyle_ = style;
    update();
}

void TNewTrackBar::setSelection(int start, int end)
{
    selStart_ = std::min(start, end);
    selEnd_ = std::max(start, end);
    update();
}

void TNewTrackBar::setThumbLength(int length)
{
    thumbLength_ = std::max(length, 5);
    update();
}

void TNewTrackBar::setColor(const QColor& color)
{
    setWindowColor(*this, color);
    setAutoFillBackground(true);
}

// The handle where the style places it, so that painting and mouse handling agree.
QRect TNewTrackBar::handleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

int TNewTrackBar::xForValue(int value) const
{
    const int handleWidth = handleRect().width();
    const int span = width() - handleWidth;
    return handleWidth / 2 + QStyle::sliderPositionFromValue(minimum(), maximum(), value, span);
}

void TNewTrackBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int centreY = thumbTop + thumbLength_ / 2;
    paintTicks(painter, tickTop);
    paintChannel(painter, centreY);
    const QRect handle = handleRect();
    const QRect thumb(handle.center().x() - thumbWidth / 2, thumbTop, thumbWidth, thumbLength_);
    paintThumb(painter, thumb);
}

void TNewTrackBar::paintTicks(QPainter& painter, int top)
{
    if (tickPosition() == QSlider::NoTicks)
        return;
    painter.setPen(palette().color(QPalette::WindowText));
    const int interval = std::max(tickInterval(), 1);
    for (int value = minimum(); value <= maximum(); value += interval)
        painter.drawLine(xForValue(value), top, xForValue(value), top + tickLength - 1);
    painter.drawLine(xForValue(maximum()), top, xForValue(maximum()), top + tickLength - 1);
}

// A sunken channel: dark at the top and left, light at the bottom and right.
void TNewTrackBar::paintChannel(QPainter& painter, int centreY)
{
    const int left = xForValue(minimum()) - 2;
    const int right = xForValue(maximum()) + 2;
    const int height = barStyle_ == styBox ? 8 : 4;
    const QRect channel(left, centreY - height / 2, right - left + 1, height);
    painter.fillRect(channel, Qt::white);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(channel.topLeft(), channel.topRight());
    painter.drawLine(channel.topLeft(), channel.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(channel.bottomLeft(), channel.bottomRight());
    painter.drawLine(channel.topRight(), channel.bottomRight());
    if (barStyle_ != styBox || selEnd_ <= selStart_)
        return;
    const int from = std::max(xForValue(selStart_), channel.left() + 1);
    const int to = std::min(xForValue(selEnd_), channel.right() - 1);
    painter.fillRect(QRect(QPoint(from, channel.top() + 1), QPoint(to, channel.bottom() - 1)),
                     palette().color(QPalette::Highlight));
}

// A thumb pointing up at the ticks: a body with a pointed top, lit from the top left.
void TNewTrackBar::paintThumb(QPainter& painter, const QRect& thumb)
{
    const int tip = thumb.width() / 2;
    const QPolygon shape(
        {QPoint(thumb.left(), thumb.top() + tip), QPoint(thumb.left() + tip, thumb.top()),
         QPoint(thumb.right(), thumb.top() + tip), thumb.bottomRight(), thumb.bottomLeft()});
    painter.setPen(Qt::NoPen);
    painter.setBrush(isSliderDown() ? palette().color(QPalette::Midlight)
                                    : palette().color(QPalette::Button));
    painter.drawPolygon(shape);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(shape.point(4), shape.point(0));
    painter.drawLine(shape.point(0), shape.point(1));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawLine(shape.point(1), shape.point(2));
    painter.drawLine(shape.point(2), shape.point(3));
    painter.drawLine(shape.point(3), shape.point(4));
}
