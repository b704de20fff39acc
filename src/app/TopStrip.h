#pragma once
// Keeps a widget across the whole width at the top of whichever widget is its parent,
// above its siblings: when it is shown, when it is moved to another parent and when
// that parent changes width. The strip keeps its own height.

#include <QObject>
#include <QPointer>
#include <QWidget>

class TopStrip : public QObject
{
public:
    explicit TopStrip(QWidget& strip);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchParent();
    void fit();

    QWidget& strip_;
    QPointer<QWidget> parent_;
};
