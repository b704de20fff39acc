#include "app/ColorPanel.h"

#include "controls/ColorRef.h"

#include <QMouseEvent>

ColorPanel::ColorPanel(QWidget* parent, int tag) : QFrame(parent), tag_(tag)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
}

void ColorPanel::setColor(const QColor& color)
{
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

std::uint32_t ColorPanel::colorRef() const
{
    return toColorRef(color_);
}

void ColorPanel::setColorRef(std::uint32_t colorRef)
{
    setColor(fromColorRef(colorRef));
}

void ColorPanel::mousePressEvent(QMouseEvent* event)
{
    emit mouseDown(event->button());
    QFrame::mousePressEvent(event);
}
