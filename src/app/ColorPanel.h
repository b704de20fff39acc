#pragma once
// A panel that shows one list colour (Panel1, Panel6, Panel7 of the Option page).
// The panel's colour is the one source of that colour: the lists read it when they
// draw.

#include <QColor>
#include <QFrame>

#include <cstdint>

class ColorPanel : public QFrame
{
    Q_OBJECT

public:
    ColorPanel(QWidget* parent, int tag);

    int tag() const { return tag_; }
    QColor color() const { return color_; }
    void setColor(const QColor& color);
    std::uint32_t colorRef() const;
    void setColorRef(std::uint32_t colorRef);

signals:
    void mouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int tag_;
    QColor color_;
};
