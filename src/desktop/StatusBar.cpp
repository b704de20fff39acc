#include "desktop/StatusBar.h"

#include "controls/AccessibleFactory.h"
#include "controls/ColorRef.h"
#include "controls/TextPanel.h"
#include "platform/PathText.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {
const QColor kBarColor = fromColorRef(0xA3A3A3);
const QColor kPanelColor = fromColorRef(0xC3C3C3);
const QColor kShadowText = fromColorRef(0xD0D0D0);
const QColor kText = fromColorRef(0x404040);
constexpr int kHorizontalOffset = 3;
constexpr int kIconIndent = 20;
constexpr int kPanelGap = 2;
} // namespace

// One panel: its text with a light copy one pixel lower right as a shadow, after the
// small icon of a path in panel 0 (StatusBar1DrawPanel).
class StatusPanel : public TextPanel
{
public:
    StatusPanel(QWidget* bar, bool showsPathIcons) : TextPanel(bar), showsPathIcons_(showsPathIcons)
    {
    }

    std::function<QIcon(const QString&)> pathIcon;

    QRect textArea() const override
    {
        const int left = hasPathIcon() ? kIconIndent : kHorizontalOffset;
        return rect().adjusted(left, 0, 0, 0);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kPanelColor);
        if (hasPathIcon() && pathIcon)
            pathIcon(text()).paint(&painter, QRect(1, 1, 16, 16));
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        painter.setPen(kShadowText);
        painter.drawText(textArea().translated(1, 1), flags, text());
        painter.setPen(kText);
        painter.drawText(textArea(), flags, text());
    }

private:
    bool hasPathIcon() const { return showsPathIcons_ && StatusBar::IsIconPath(text()); }

    const bool showsPathIcons_;
};

StatusBar::StatusBar(QWidget* parent) : QWidget(parent)
{
    InstallAccessibleInterface<StatusBar, AccessibleWithRole<QAccessible::StatusBar>>();
    setFixedHeight(BarHeight);
    panels_ = {new StatusPanel(this, true), new StatusPanel(this, false)};
}

QString StatusBar::text(int panel) const
{
    return panels_.at(panel)->text();
}

void StatusBar::setText(int panel, const QString& text)
{
    panels_.at(panel)->setText(text);
    if (panel == 0)
        setAccessibleName(text);
}

void StatusBar::setPanelWidth(int panel, int width)
{
    widths_.at(panel) = width;
    placePanels();
}

void StatusBar::setPathIconProvider(std::function<QIcon(const QString&)> provider)
{
    panels_[0]->pathIcon = std::move(provider);
    panels_[0]->update();
}

bool StatusBar::IsIconPath(const QString& text)
{
    const std::string path = TextBytes(text);
    // The comparison list names a missing side with its missing word.
    const QString missing = QCoreApplication::translate("ComparisonListModel", "なし");
    return quorvex::platform::IsAbsolutePath(path) &&
           quorvex::platform::LastComponent(path) != TextBytes(missing);
}

void StatusBar::placePanels()
{
    int left = 0;
    for (int panel = 0; panel < 2; ++panel) {
        panels_[panel]->setGeometry(left, kPanelGap, std::max(widths_[panel] - kPanelGap, 0),
                                    height() - kPanelGap);
        left += widths_[panel];
    }
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), kBarColor);
}

void StatusBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePanels();
}
