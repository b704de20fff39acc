#include "desktop/PathDrops.h"

#include "platform/FileSystem.h"
#include "platform/desktop/ShownText.h"

#include <QLineEdit>

namespace {

bool landsOn(const QWidget* target, const QWidget& control)
{
    return target && (target == &control || control.isAncestorOf(target));
}

} // namespace

void PathPairDrop::drop(const QString& path, const QWidget* target, QLineEdit& edit1,
                        QLineEdit& edit2)
{
    bool toB = DropAlternation_;
    if (landsOn(target, edit1))
        toB = false;
    else if (landsOn(target, edit2))
        toB = true;
    (toB ? edit2 : edit1).setText(path);
    DropAlternation_ = !toB;
}

void DropFileOrFolder(const QString& path, QLineEdit& fileEdit, QLineEdit& folderEdit)
{
    const bool file = quorvex::platform::IsExistingFile(TextBytes(path));
    (file ? fileEdit : folderEdit).setText(path);
}
