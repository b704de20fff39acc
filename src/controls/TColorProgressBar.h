#pragma once
// The program's own progress bar: a plain, banded, gradient or glass-look bar,
// continuous or in blocks, with an optional frame, reference tick and centred
// percentage text. Range and position are unsigned 64-bit, so callers count files or
// bytes without scaling.
//
// A position change repaints (synchronously, so the bar moves while the caller keeps
// the event loop busy) only when the whole percentage done changes: a run of any
// length causes at most about a hundred repaints.
//
// Colours left invalid stand for the system colours named below.
//
// Screen readers see a progress bar whose value is ParValue, in percent.

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdint>

class QPainter;

class TColorProgressBar : public QWidget
{
    Q_OBJECT

public:
    enum TBarStyle
    {
        btSolid,
        btSolid2,
        btGradetion,
        btGradetion2,
        btWin7
    };

    explicit TColorProgressBar(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(150, 16); }

    // Mixes a toward b; w (0 .. 255) is the weight of a.
    static QColor Blend(const QColor& a, const QColor& b, int w);

    std::uint64_t Min() const { return min_; }
    // Neither repaints at once: the next position change or paint shows the new range.
    void setMin(std::uint64_t value); // above Max stores Max
    std::uint64_t Max() const { return max_; }
    void setMax(std::uint64_t value); // below Min stores Min; 0 becomes 1
    std::uint64_t Position() const { return position_; }
    void setPosition(std::uint64_t value); // clamped into Min .. Max
    void setStep(int step);                // kept at or below Max
    void StepIt();
    void StepBy(std::uint64_t amount);
    // Whole percentage of Position in Max.
    int ParValue() const { return parValue_; }

    void setSmooth(bool blocks); // true draws BlockCount separate blocks
    void setBlockCount(int count);
    int BlockSpace() const { return blockSpace_; }
    // Refused (the old gap stays) unless below half a block; returns whether it was taken.
    bool setBlockSpace(int space);

    QColor BoxColor() const; // default: button face
    void setBoxColor(const QColor& color);
    QColor BarColor() const; // default: highlight
    void setBarColor(const QColor& color);
    QColor LineColor() const; // default: button face
    void setLineColor(const QColor& color);
    QColor FontColor() const; // default: window text
    void setFontColor(const QColor& color);
    TBarStyle BarStyle() const { return barStyle_; }
    void setBarStyle(TBarStyle style);

    void setTextSwitch(bool on);
    void setFlat(bool on);
    void setShadow(bool on);
    void setLineParVisible(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct DerivedColors
    {
        QColor box, bar, light1, light2, edge, tint;
    };

    int percentDone() const;
    void rangeChanged();
    // Takes the whole percentage of Position in Max and tells screen readers of a change.
    void updateParValue();
    void colorsChanged();
    template <typename Field, typename Value> void setAndRepaint(Field& field, const Value& value);
    void paintBar(QPainter& painter, int length, int thickness);
    void paintSegment(QPainter& painter, int x0, int x1, int thickness);
    void paintWin7(QPainter& painter, int x0, int x1, int thickness);
    void paintGradetion(QPainter& painter, int x0, int x1, int thickness, bool banded);
    void paintFrame(QPainter& painter);
    void paintTick(QPainter& painter);
    void paintText(QPainter& painter);

    std::uint64_t min_ = 0;
    std::uint64_t max_ = 100;
    std::uint64_t position_ = 0;
    int step_ = 10;
    int parValue_ = 0;
    bool smooth_ = false;
    int blockCount_ = 10;
    int blockSpace_ = 1;
    QColor boxColor_, barColor_, lineColor_, fontColor_;
    TBarStyle barStyle_ = btSolid;
    bool textSwitch_ = false;
    bool flat_ = false;
    bool shadow_ = false;
    bool lineParVisible_ = false;

    DerivedColors colors_;
    bool colorsStale_ = true;
    QImage buffer_; // off-screen image, reused while the size stays
};
