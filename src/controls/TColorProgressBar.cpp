#include "controls/TColorProgressBar.h"

#include "controls/AccessibleFactory.h"
#include "controls/ColorRef.h"
#include "controls/RowGradient.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using Wide = unsigned __int128; // 100 × a 64-bit count does not fit in 64 bits

int floorDiv(int numerator, int denominator)
{
    return int(std::floor(double(numerator) / double(denominator)));
}

// The darkest shade of the glass and gradient styles.
QColor darkBase(const QColor& bar)
{
    const auto channel = [](int c) { return RowGradient::darken(c > 64 ? c - 64 : c); };
    return QColor(channel(bar.red()), channel(bar.green()), channel(bar.blue()));
}

// The split row of the glass styles: light bands above, gradient below.
int splitRow(int thickness)
{
    return floorDiv(thickness * 40 - 160, 100);
}

// A progress bar from 0 to 100 percent, read as "37%".
class ColorProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ColorProgressBarAccessible(TColorProgressBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return QString::number(percent()) + QLatin1Char('%');
        return QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return percent(); }
    void setCurrentValue(const QVariant&) override {} // read only
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    int percent() const { return static_cast<const TColorProgressBar*>(widget())->ParValue(); }
};

} // namespace

TColorProgressBar::TColorProgressBar(QWidget* parent) : QWidget(parent)
{
    InstallAccessibleInterface<TColorProgressBar, ColorProgressBarAccessible>();
    resize(sizeHint());
}

QColor TColorProgressBar::Blend(const QColor& a, const QColor& b, int w)
{
    // A weight past 255 (WhiteLevel 255 plus PrsLevel) would wrap into unrelated colours.
    w = std::clamp(w, 0, 255);
    const auto redBlue = [w](int ca, int cb) { return cb - floorDiv(w * (cb - ca) + 255, 256); };
    const int green = b.green() + floorDiv(w * (a.green() - b.green()), 256);
    return QColor(redBlue(a.red(), b.red()), green, redBlue(a.blue(), b.blue()));
}

// ---- range and position --------------------------------------------------------

int TColorProgressBar::percentDone() const
{
    if (max_ == min_)
        return 0;
    return int(Wide(100) * (position_ - min_) / (max_ - min_));
}

void TColorProgressBar::setMin(std::uint64_t value)
{
    min_ = std::min(value, max_);
    rangeChanged();
}

void TColorProgressBar::setMax(std::uint64_t value)
{
    max_ = std::max(std::max(value, min_), std::uint64_t(1));
    min_ = std::min(min_, max_);
    rangeChanged();
}

// The position is kept inside the new range; its share is shown at the next paint.
void TColorProgressBar::rangeChanged()
{
    position_ = std::clamp(position_, min_, max_);
    updateParValue();
    update();
}

void TColorProgressBar::setPosition(std::uint64_t value)
{
    value = std::clamp(value, min_, max_);
    if (value == position_)
        return;
    const int before = percentDone();
    position_ = value;
    updateParValue();
    if (percentDone() != before && isVisible())
        repaint();
}

void TColorProgressBar::updateParValue()
{
    const int value = int(Wide(100) * position_ / max_);
    if (value == parValue_)
        return;
    parValue_ = value;
    QAccessibleValueChangeEvent changed(this, parValue_);
    QAccessible::updateAccessibility(&changed);
}

void TColorProgressBar::setStep(int step)
{
    step_ = Wide(std::max(step, 0)) > max_ ? int(max_) : step;
}

void TColorProgressBar::StepIt()
{
    if (step_ >= 0)
        StepBy(std::uint64_t(step_));
    else
        setPosition(position_ - std::min(position_, std::uint64_t(-std::int64_t(step_))));
}

void TColorProgressBar::StepBy(std::uint64_t amount)
{
    // Saturating, so a huge step cannot wrap the position round to the start.
    const std::uint64_t room = std::numeric_limits<std::uint64_t>::max() - position_;
    setPosition(position_ + std::min(amount, room));
}

// ---- appearance ----------------------------------------------------------------

template <typename Field, typename Value>
void TColorProgressBar::setAndRepaint(Field& field, const Value& value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void TColorProgressBar::setSmooth(bool blocks)
{
    setAndRepaint(smooth_, blocks);
}

void TColorProgressBar::setBlockCount(int count)
{
    const int length = width();
    setAndRepaint(blockCount_, (count <= 0 || length / count == 0) ? 1 : count);
}

bool TColorProgressBar::setBlockSpace(int space)
{
    const int length = width();
    if (space < 0 || space >= ((length - 1) / blockCount_) / 2)
        return false;
    setAndRepaint(blockSpace_, space);
    return true;
}

void TColorProgressBar::colorsChanged()
{
    colorsStale_ = true;
    update();
}

QColor TColorProgressBar::BoxColor() const
{
    return resolveColor(boxColor_, *this, QPalette::Button);
}
void TColorProgressBar::setBoxColor(const QColor& color)
{
    boxColor_ = color;
    colorsChanged();
}
QColor TColorProgressBar::BarColor() const
{
    return resolveColor(barColor_, *this, QPalette::Highlight);
}
void TColorProgressBar::setBarColor(const QColor& color)
{
    barColor_ = color;
    colorsChanged();
}
QColor TColorProgressBar::LineColor() const
{
    return resolveColor(lineColor_, *this, QPalette::Button);
}
void TColorProgressBar::setLineColor(const QColor& color)
{
    setAndRepaint(lineColor_, color);
}
QColor TColorProgressBar::FontColor() const
{
    return resolveColor(fontColor_, *this, QPalette::WindowText);
}
void TColorProgressBar::setFontColor(const QColor& color)
{
    setAndRepaint(fontColor_, color);
}
void TColorProgressBar::setBarStyle(TBarStyle style)
{
    setAndRepaint(barStyle_, style);
}

void TColorProgressBar::setTextSwitch(bool on)
{
    setAndRepaint(textSwitch_, on);
}
void TColorProgressBar::setFlat(bool on)
{
    setAndRepaint(flat_, on);
}
void TColorProgressBar::setShadow(bool on)
{
    setAndRepaint(shadow_, on);
}
void TColorProgressBar::setLineParVisible(bool on)
{
    setAndRepaint(lineParVisible_, on);
}

void TColorProgressBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        colorsChanged(); // system colours follow the palette
    else if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
}

// ---- painting ------------------------------------------------------------------

void TColorProgressBar::paintEvent(QPaintEvent*)
{
    if (colorsStale_) {
        colors_.box = BoxColor();
        colors_.bar = BarColor();
        colors_.light1 = Blend(colors_.bar, Qt::white, 60);
        colors_.light2 = Blend(colors_.bar, Qt::white, 80);
        colors_.edge = Blend(colors_.box, Qt::black, 150);
        colors_.tint = Blend(colors_.bar, Qt::white, 100);
        colorsStale_ = false;
    }
    if (buffer_.size() != size())
        buffer_ = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&buffer_);
    painter.fillRect(rect(), colors_.box);
    if (position_ != 0)
        paintBar(painter, width(), height());
    paintFrame(painter);
    if (lineParVisible_)
        paintTick(painter);
    if (textSwitch_)
        paintText(painter);
    painter.end();
    QPainter(this).drawImage(0, 0, buffer_);
}

// The bar along x for a control of the given length and thickness.
void TColorProgressBar::paintBar(QPainter& painter, int length, int thickness)
{
    if (!smooth_) {
        const double usable = length - 3;
        const int end =
            int(std::floor(usable * double(position_) / double(max_))) + (flat_ ? 1 : 0);
        if (end > 2)
            paintSegment(painter, 2, end, thickness);
        return;
    }
    const double block = (length - 4) / double(blockCount_);
    for (int i = 1; i <= blockCount_; ++i) {
        if (parValue_ < i * 100 / blockCount_)
            break;
        const int x0 = int(2 + (i - 1) * block);
        const int x1 = int(2 + i * block - blockSpace_);
        if (x1 > x0)
            paintSegment(painter, x0, x1, thickness);
    }
}

// One bar or block covering the columns x0 .. x1 - 1.
void TColorProgressBar::paintSegment(QPainter& painter, int x0, int x1, int thickness)
{
    const int width = x1 - x0;
    switch (barStyle_) {
    case btSolid:
        painter.fillRect(x0, 2, width, thickness - 4, colors_.bar);
        break;
    case btSolid2: {
        const int top = 2;
        const int bottom = thickness - 2;
        const int middle = (bottom - top) / 2;
        const int low = bottom - (bottom - top) * 20 / 100;
        painter.fillRect(x0, top, width, middle - top, Blend(colors_.bar, Qt::white, 100));
        painter.fillRect(x0, middle, width, low - middle, colors_.bar);
        painter.fillRect(x0, low, width, bottom - low, Blend(colors_.bar, Qt::black, 240));
        painter.fillRect(x0, top, width, 1, colors_.tint);
        break;
    }
    case btGradetion:
        paintGradetion(painter, x0, x1, thickness, false);
        break;
    case btGradetion2:
        paintGradetion(painter, x0, x1, thickness, true);
        break;
    case btWin7:
        paintWin7(painter, x0, x1, thickness);
        break;
    }
}

void TColorProgressBar::paintWin7(QPainter& painter, int x0, int x1, int thickness)
{
    const int width = x1 - x0;
    const int split = splitRow(thickness) + 2;
    RowGradient gradient(darkBase(colors_.bar), RowGradient::stepForHeight(thickness));
    const int lastRow = std::max(thickness - 1, split);
    for (int y = split; y <= lastRow; ++y) {
        painter.fillRect(x0, y, width, 1, gradient.current());
        gradient.advance();
    }
    const int half = (split - 2) / 2;
    if (half > 1) {
        const int h = half + 2;
        painter.fillRect(x0, 2, width, h - 2, colors_.light1);
        painter.fillRect(x0, h, width, split - h, colors_.light2);
    } else if (split > 2) {
        painter.fillRect(x0, 2, width, split - 2, colors_.light1);
    }
    painter.fillRect(x1, 3, 1, thickness - 5, colors_.edge);
}

// The gradient from the bottom row of the bar upward; the banded variant keeps its
// lowest rows flat and puts a light band with a white line above the split row.
void TColorProgressBar::paintGradetion(QPainter& painter, int x0, int x1, int thickness,
                                       bool banded)
{
    const int width = x1 - x0;
    const int split = splitRow(thickness);
    const int flatRows = banded ? (thickness - 4) * 10 / 100 : 0;
    RowGradient gradient(darkBase(colors_.bar), RowGradient::stepForHeight(thickness));
    const int rows = std::max(thickness - 4, 1);
    for (int i = 0; i < rows; ++i) {
        const int y = thickness - 3 - i;
        if (banded && y < split)
            break;
        painter.fillRect(x0, y, width, 1, gradient.current());
        if (i >= flatRows)
            gradient.advance();
    }
    if (!banded)
        return;
    if (split > 2)
        painter.fillRect(x0, 2, width, split - 2, colors_.light1);
    painter.fillRect(x0, 2, width, 1, Qt::white);
    painter.fillRect(x1, 3, 1, thickness - 5, colors_.edge);
}

void TColorProgressBar::paintFrame(QPainter& painter)
{
    const int w = width();
    const int h = height();
    if (flat_) {
        painter.setPen(LineColor());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, w - 1, h - 1);
        return;
    }
    const QColor dark(80, 80, 80);
    painter.fillRect(0, 0, w, 1, dark);
    painter.fillRect(0, 0, 1, h, dark);
    painter.fillRect(0, h - 1, w, 1, Qt::white);
    painter.fillRect(w - 1, 0, 1, h, Qt::white);
    painter.fillRect(w - 2, 1, 1, h - 3, palette().color(QPalette::Window));
}

void TColorProgressBar::paintTick(QPainter& painter)
{
    const int w = width();
    const int h = height();
    const int x = (w - 1) / 2;
    painter.fillRect(x, 1, 1, 4, Qt::red);
    painter.fillRect(x, h - 6, 1, 4, Qt::red);
}

void TColorProgressBar::paintText(QPainter& painter)
{
    const QString text = QString::number(parValue_) + QLatin1Char('%');
    const QFontMetrics metrics(font());
    const int x = width() / 2 - metrics.horizontalAdvance(text) / 2;
    const int y = height() / 2 - metrics.height() / 2 + metrics.ascent();
    painter.setFont(font());
    if (shadow_) {
        painter.setPen(colors_.bar);
        painter.drawText(x + 1, y + 1, text);
        painter.setPen(colors_.box);
    } else {
        painter.setPen(FontColor());
    }
    painter.drawText(x, y, text);
}
