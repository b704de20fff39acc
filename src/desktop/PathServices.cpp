#include "desktop/PathServices.h"

#include "desktop/MainContext.h"

#include <QWidget>

namespace {
const QString kObjectName = QStringLiteral("PathServices");
}

PathServices& PathServices::of(MainContext& context)
{
    QWidget& window = context.mainWindow();
    if (auto* existing = window.findChild<PathServices*>(kObjectName, Qt::FindDirectChildrenOnly))
        return *existing;
    return *new PathServices(context);
}

PathServices::PathServices(MainContext& context)
    : QObject(&context.mainWindow()), icons_(context.sysImageList())
{
    setObjectName(kObjectName);
    context.setDropHandler([this, &context](const QString& path, const QPoint& pos) {
        drops_.drop(context.currentPage(), path, context.mainWindow().childAt(pos));
    });
}
