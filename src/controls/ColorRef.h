#pragma once
// Colour helpers of the controls. Colours of the settings and of the control styles
// are Windows COLORREF words (0x00BBGGRR); a control colour left at its system
// default is an invalid QColor, resolved from the widget's palette when painting.

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <cstdint>

inline QColor fromColorRef(std::uint32_t colorRef)
{
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

inline std::uint32_t toColorRef(const QColor& color)
{
    return std::uint32_t(color.red()) | (std::uint32_t(color.green()) << 8) |
           (std::uint32_t(color.blue()) << 16);
}

// An invalid colour stands for "the system colour of this role", read when painting
// so that it follows palette changes.
inline QColor resolveColor(const QColor& color, const QWidget& widget, QPalette::ColorRole role)
{
    return color.isValid() ? color : widget.palette().color(role);
}

// The background colour of a control that paints its own background from the palette.
inline void setWindowColor(QWidget& widget, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    widget.setPalette(palette);
}
