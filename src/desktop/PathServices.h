#pragma once
// What the path inputs of pages 0 and 1 share, one per main window: the icon lookups
// with their per-extension cache, and the drop rule (the window's drop handler is
// installed by the first call of `of`).
//
//   PathServices& paths = PathServices::of(context);
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
    static PathServices& of(MainContext& context);

    IconLookup& icons() { return icons_; }
    PathDrops& drops() { return drops_; }

private:
    explicit PathServices(MainContext& context);

    IconLookup icons_;
    PathDrops drops_;
};
