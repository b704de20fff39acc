#include "empty/ui/FindAnimation.h"

#include <QPainter>
#include <QtMath>

namespace {
constexpr int kFrameIntervalMs = 80;
}

FindAnimation::FindAnimation(QWidget* parent) : QWidget(parent)
{
    setFixedSize(16, 16);
    timer_.setInterval(kFrameIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &FindAnimation::nextFrame);
}

void FindAnimation::start()
{
    timer_.start();
}

void FindAnimation::stop()
{
    timer_.stop();
    frame_ = StopFrame;
    update();
}

void FindAnimation::nextFrame()
{
    frame_ = (frame_ + 1) % FrameCount;
    update();
}

void FindAnimation::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    // The document: a white sheet with a folded corner and three lines of text.
    const QPolygonF sheet{{2.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {2.5, 14.5}};
    painter.setPen(QPen(QColor(96, 96, 96), 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(sheet);
    painter.setPen(QPen(QColor(150, 150, 170), 1));
    for (int y : {6, 9, 12})
        painter.drawLine(QPointF(4.5, y + 0.5), QPointF(10.5, y + 0.5));

    // The magnifier walks a small circle over the sheet, one step per frame.
    const double angle = 2 * M_PI * frame_ / FrameCount;
    const QPointF lens(7.0 + 2.5 * qCos(angle), 7.0 + 2.5 * qSin(angle));
    painter.setPen(QPen(QColor(120, 72, 24), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(lens + QPointF(2.6, 2.6), lens + QPointF(5.2, 5.2));
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(QColor(170, 210, 255, 180));
    painter.drawEllipse(lens, 3.2, 3.2);
}
