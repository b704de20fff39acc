#include "desktop/PathServices.h"

#include "desktop/PageRegistrations.h"

#include <QWidget>

PathServices::PathServices(QWidget& window, SysImageList& images, PageRegistrations& registrations,
                           QObject* parent)
    : QObject(parent), icons_(images)
{
    registrations.setDropHandler(
        [this, &window, &registrations](const QString& path, const QPoint& pos) {
            drops_.drop(registrations.currentPage(), path, window.childAt(pos));
        });
}
