#include "app/StatusBar.h"

#include "controls/ColorRef.h"

#include <QPainter>

namespace {
const QColor kBarColor = fromColorRef(0xA3A3A3);
const QColor kPanelColor = fromColorRef(0xC3C3C3);
const QColor kShadowText = fromColorRef(0xD0D0D0);
const QColor kText = fromColorRef(0x404040);
constexpr int kHorizontalOffset = 3;
constexpr int kIconIndent = 20;
constexpr int kPanelGap = 2;
} // namespace

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(BarHeight);
}

void StatusBar::setText(int panel, const QString& text)
{
    if (texts_.at(panel) == text)
        return;
    texts_.at(panel) = text;
    if (panel == 0)
        setAccessibleName(text);
    update(panelRect(panel));
}

void StatusBar::setPanelWidth(int panel, int width)
{
    widths_.at(panel) = width;
    update();
}

void StatusBar::setPathIconProvider(std::function<QIcon(const QString&)> provider)
{
    pathIcon_ = std::move(provider);
}

void StatusBar::setVerticalTextOffset(int offset)
{
    verticalOffset_ = offset;
    update();
}

bool StatusBar::IsIconPath(const QString& text)
{
    return text.startsWith(u'/') && !text.contains(QStringLiteral("/なし"));
}

QRect StatusBar::panelRect(int panel) const
{
    const int left = panel == 0 ? 0 : widths_[0];
    return QRect(left, kPanelGap, widths_[panel] - kPanelGap, height() - kPanelGap);
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBarColor);
    for (int panel = 0; panel < 2; ++panel)
        StatusBar1DrawPanel(painter, panel, panelRect(panel));
}

void StatusBar::StatusBar1DrawPanel(QPainter& painter, int panel, const QRect& rect)
{
    int x = kHorizontalOffset;
    const int y = verticalOffset_;
    painter.fillRect(rect, kPanelColor);
    const QString& text = texts_[panel];
    if (panel == 0 && IsIconPath(text)) {
        if (pathIcon_)
            pathIcon_(text).paint(&painter, QRect(rect.left() + 1, rect.top() + 1, 16, 16));
        x = kIconIndent;
    }
    painter.save();
    painter.setClipRect(rect);
    const QRect textArea = rect.adjusted(x, y, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setPen(kShadowText);
    painter.drawText(textArea.translated(1, 1), flags, text);
    painter.setPen(kText);
    painter.drawText(textArea, flags, text);
    painter.restore();
}
