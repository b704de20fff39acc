#pragma once
// Hints of the form short "|" long: the short part is the tooltip, the long part is
// shown in status panel 0 while the mouse is over the control. A hint without "|"
// serves as both.

#include <QString>

class QWidget;

void SetHint(QWidget& widget, const QString& hint);
// The status-bar part of the widget's hint; empty for a widget without one.
QString LongHint(const QWidget& widget);
