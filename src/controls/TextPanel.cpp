#include "controls/TextPanel.h"

#include "controls/AccessibleFactory.h"

#include <QPainter>

#include <utility>

namespace {

// A read-only text without selection or cursor; positions follow the panel's font.
class TextPanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit TextPanelAccessible(TextPanel* panel)
        : QAccessibleWidget(panel, QAccessible::StaticText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value || (which == QAccessible::Name && ownName().isEmpty()))
            return panel().text();
        return QAccessibleWidget::text(which);
    }

    // QAccessibleTextInterface
    QString text(int startOffset, int endOffset) const override
    {
        return panel().text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(panel().text().size()); }
    QRect characterRect(int offset) const override
    {
        const QString text = panel().text();
        if (offset < 0 || offset >= text.size())
            return {};
        const QFontMetrics metrics(panel().font());
        const QRect area = panel().textArea();
        const int left = area.left() + metrics.horizontalAdvance(text.left(offset));
        const int top = area.top() + (area.height() - metrics.height()) / 2;
        const QRect local(left, top, metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return local.translated(panel().mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int offset = 0; offset < characterCount(); ++offset)
            if (characterRect(offset).contains(point))
                return offset;
        return -1;
    }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

private:
    const TextPanel& panel() const { return *static_cast<const TextPanel*>(widget()); }
    QString ownName() const { return panel().accessibleName(); }
};

} // namespace

TextPanel::TextPanel(QWidget* parent) : QWidget(parent)
{
    InstallAccessibleInterface<TextPanel, TextPanelAccessible>();
}

void TextPanel::setText(const QString& text)
{
    if (text == text_)
        return;
    const QString previous = std::exchange(text_, text);
    update();
    QAccessibleTextUpdateEvent changed(this, 0, previous, text_);
    QAccessible::updateAccessibility(&changed);
    if (accessibleName().isEmpty()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void TextPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textArea(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_);
}
