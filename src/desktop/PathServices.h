#pragma once
// What the path inputs of pages 0 and 1 share: the icon lookups with their
// per-extension cache, and the drop rule. The main window owns the one instance
// (PageServices::paths), which installs the window's drop handler.
//
//   PathServices& paths = services.paths;
//   paths.drops().setSearchPageEdits(*Edit3, *Edit4);
//   int icon = paths.icons().GetPathIcon(path, false);

#include "desktop/IconLookup.h"
#include "desktop/PathDrops.h"

#include <QObject>

class PageRegistrations;
class SysImageList;
class QWidget;

class PathServices : public QObject
{
    Q_OBJECT

public:
    // Drops on `window` go to the path inputs of the page in view.
    PathServices(QWidget& window, SysImageList& images, PageRegistrations& registrations,
                 QObject* parent);

    IconLookup& icons() { return icons_; }
    PathDrops& drops() { return drops_; }

private:
    IconLookup icons_;
    PathDrops drops_;
};
