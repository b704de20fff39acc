#pragma once
// What the path inputs of pages 0 and 1 share: the icon lookups with their
// per-extension cache, and the drop rule. The main window owns the one instance
// (MainContext::pathServices), which installs the window's drop handler.
//
//   PathServices& paths = context.pathServices();
//   paths.drops().setSearchPageEdits(*Edit3, *Edit4);
//   int icon = paths.icons().GetPathIcon(path, false);

#include "desktop/IconLookup.h"
#include "desktop/PathDrops.h"

#include <QObject>

class MainContext;

class PathServices : public QObject
{
    Q_OBJECT

public:
    PathServices(MainContext& context, QObject* parent);

    IconLookup& icons() { return icons_; }
    PathDrops& drops() { return drops_; }

private:
    IconLookup icons_;
    PathDrops drops_;
};
