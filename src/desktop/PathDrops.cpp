#include "desktop/PathDrops.h"

#include "platform/FileSystem.h"
#include "platform/desktop/ShownText.h"

#include <QLineEdit>

namespace {

bool landsOn(const QWidget* target, const QWidget* control)
{
    return target && control && (target == control || control->isAncestorOf(target));
}

} // namespace

void PathDrops::setComparePageEdits(QLineEdit& edit1, QLineEdit& edit2)
{
    Edit1 = &edit1;
    Edit2 = &edit2;
}

void PathDrops::setSearchPageEdits(QLineEdit& edit3, QLineEdit& edit4)
{
    Edit3 = &edit3;
    Edit4 = &edit4;
}

void PathDrops::drop(Page page, const QString& path, const QWidget* target)
{
    if (page == Page::Compare) {
        dropOnComparePage(path, target);
    } else if (page == Page::Duplicates && Edit3 && Edit4) {
        const bool file = quorvex::platform::IsExistingFile(TextBytes(path));
        (file ? Edit3 : Edit4)->setText(path);
    }
}

void PathDrops::dropOnComparePage(const QString& path, const QWidget* target)
{
    if (!Edit1 || !Edit2)
        return;
    bool toB = DropAlternation_;
    if (landsOn(target, Edit1))
        toB = false;
    else if (landsOn(target, Edit2))
        toB = true;
    (toB ? Edit2 : Edit1)->setText(path);
    DropAlternation_ = !toB;
}
