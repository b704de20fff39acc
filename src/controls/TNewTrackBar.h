#pragma once
// The track bar of the duplicate threshold: a horizontal slider with tick marks above
// and a pointed thumb, whose channel is either a box that shows the selection range
// (styBox) or a plain line (styLine).

#include <QColor>
#include <QSlider>

class QPainter;

class TNewTrackBar : public QSlider
{
    Q_OBJECT

public:
    enum TBarStyle
    {
        styBox = 0,
        styLine = 1
    };

    explicit TNewTrackBar(QWidget* parent = nullptr);

    TBarStyle BarStyle() const { return barStyle_; }
    void setBarStyle(TBarStyle style);

    // The selection range shown in the boxed channel.
    void setSelection(int start, int end);

    // Extent of the thumb across the channel.
    void setThumbLength(int length);

    // Background colour; default: the parent's window colour.
    QColor Color() const { return palette().color(QPalette::Window); }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int xForValue(int value) const;
    QRect handleRect() const;
    void paintChannel(QPainter& painter, int centreY);
    void paintTicks(QPainter& painter, int top);
    void paintThumb(QPainter& painter, const QRect& thumb);

    TBarStyle barStyle_ = styBox;
    int selStart_ = 0;
    int selEnd_ = 0;
    int thumbLength_ = 15;
};
