#pragma once
// Animate2, the find animation of the empty-item page: a 16 x 16 picture of a
// magnifier sweeping over a document, played by a timer while the search runs and
// hidden while idle. Stopped, it rests on its stop frame.

#include <QTimer>
#include <QWidget>

class FindAnimation : public QWidget
{
    Q_OBJECT

public:
    static constexpr int FrameCount = 16;
    static constexpr int StopFrame = 8;

    explicit FindAnimation(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(16, 16); }

    void start();
    void stop();
    int frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void nextFrame();

    QTimer timer_;
    int frame_ = StopFrame;
};
