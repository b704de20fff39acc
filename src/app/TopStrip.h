#pragma once
// Keeps a widget across the whole width at the top of whichever widget is its parent,
// above its siblings: when it is shown, when it is moved to another parent and when
// that parent changes width. The strip keeps its own height.
// While shown it covers what lies beneath it for the keyboard as well: the covered
// controls take no focus, a focus on one of them moves to the strip's first control,
// and when the strip hides, that focus goes back where it was.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

class TopStrip : public QObject
{
public:
    explicit TopStrip(QWidget& strip);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchParent();
    void fit();
    void coverFocus();
    void uncoverFocus();

    QWidget& strip_;
    QPointer<QWidget> parent_;
    struct Covered
    {
        QPointer<QWidget> widget;
        Qt::FocusPolicy policy;
    };
    std::vector<Covered> covered_;
    QPointer<QWidget> focusBefore_; // the covered control that had the focus
};
