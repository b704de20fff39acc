#include "desktop/PathServices.h"

#include "desktop/MainContext.h"

#include <QWidget>

PathServices::PathServices(MainContext& context, QObject* parent)
    : QObject(parent), icons_(context.sysImageList())
{
    context.setDropHandler([this, &context](const QString& path, const QPoint& pos) {
        drops_.drop(context.currentPage(), path, context.mainWindow().childAt(pos));
    });
}
