#pragma once
// What the path inputs of pages 0 and 1 share: the icon lookups with their
// per-extension cache, and the four remembered-path lists. The main window owns the
// one instance (PageServices::paths).
//
//   int icon = services.paths.icons().GetPathIcon(path, false);
//   services.paths.histories().add(1, path);

#include "desktop/IconLookup.h"
#include "desktop/PathHistories.h"

#include <QObject>

class SysImageList;

class PathServices : public QObject
{
    Q_OBJECT

public:
    // The histories live in `userDataDir` and load and save with the host's history
    // stores, each file looked after by `care(path)`.
    PathServices(SysImageList& images, PageRegistrations& host, const std::string& userDataDir,
                 const std::function<StateFileCare(std::string path)>& care, QObject* parent);

    IconLookup& icons() { return icons_; }
    PathHistories& histories() { return histories_; }

private:
    IconLookup icons_;
    PathHistories histories_;
};
