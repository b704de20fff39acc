#include "desktop/Hint.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char kLongHintProperty[] = "quorvexLongHint";
}

void SetHint(QWidget& widget, const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    widget.setToolTip(bar < 0 ? hint : hint.left(bar));
    widget.setProperty(kLongHintProperty, bar < 0 ? hint : hint.mid(bar + 1));
}

QString LongHint(const QWidget& widget)
{
    const QVariant stored = widget.property(kLongHintProperty);
    return stored.isValid() ? stored.toString() : widget.toolTip();
}
