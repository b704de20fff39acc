#pragma once
// The drop rules of the path inputs; each page registers its own with the host
// (PageRegistrar::addDropHandler). Page 0: onto Edit1 or Edit2 when the path lands
// on one of them, elsewhere A, then B, then A again (DropAlternation). Page 1: an
// existing file into Edit3, anything else into Edit4, wherever it lands.

#include <QString>

class QLineEdit;
class QWidget;

// Page 0's rule, which remembers where the last drop outside both fields went.
class PathPairDrop
{
public:
    // `target` is the control under the drop point (may be null).
    void drop(const QString& path, const QWidget* target, QLineEdit& edit1, QLineEdit& edit2);

    // True: the next drop outside both fields goes to B.
    bool DropAlternation() const { return DropAlternation_; }

private:
    bool DropAlternation_ = false;
};

// Page 1's rule.
void DropFileOrFolder(const QString& path, QLineEdit& fileEdit, QLineEdit& folderEdit);
