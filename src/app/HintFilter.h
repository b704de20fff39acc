#pragma once
// The application's hint handler: the hint of the control under the pointer (or that
// of its nearest parent with one) is the current hint, and so is the status tip of a
// menu item under it; a change shows its long part in status panel 0. Other texts
// written to the panel stay until the hint changes.
//
//   qApp->installEventFilter(new HintFilter(window, *StatusBar1));

#include <QObject>
#include <QString>

class QWidget;
class StatusBar;

class HintFilter : public QObject
{
public:
    // A child of `window`, whose controls' hints go to `status`.
    HintFilter(QWidget& window, StatusBar& status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* controlUnderPointer() const;
    bool holds(const QObject& object) const;
    void showHintOf(const QWidget* control);
    void showHint(const QString& hint);

    QWidget& window_;
    StatusBar& status_;
    QString currentHint_;
};
