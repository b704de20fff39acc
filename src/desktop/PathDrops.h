#pragma once
// Where a path dropped on the main window goes. Page 0: onto Edit1 or Edit2 when it
// lands on one of them, elsewhere A, then B, then A again (DropAlternation). Page 1:
// an existing file into Edit3, anything else into Edit4, wherever it lands. Other
// pages ignore drops.

#include "desktop/PageIndex.h"

#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

class PathDrops
{
public:
    void setComparePageEdits(QLineEdit& edit1, QLineEdit& edit2);
    void setSearchPageEdits(QLineEdit& edit3, QLineEdit& edit4);

    // `target` is the control under the drop point (may be null).
    void drop(Page page, const QString& path, const QWidget* target);

    // True: the next drop on page 0 outside both fields goes to B.
    bool DropAlternation() const { return DropAlternation_; }

private:
    void dropOnComparePage(const QString& path, const QWidget* target);

    QPointer<QLineEdit> Edit1, Edit2, Edit3, Edit4;
    bool DropAlternation_ = false;
};
