#include "desktop/ServiceKit.h"

#include "cache/CacheLocation.h"
#include "trash/TrashStore.h"

#include <utility>

ServiceKit::ServiceKit(const ServiceKitSetup& setup)
    : userDataDir_(setup.userDataDir), trashListPath_(quorvex::TrashListPath(userDataDir_)),
      scanCache_(quorvex::cache::DefaultCachePath(), setup.useScanCache),
      confirmation_(setup.dialogs, setup.window), runs_(setup.window),
      paths_(
          images_, registrations_, userDataDir_,
          [&](std::string path) {
              return StateFileCare(setup.dialogs, setup.window, saveFailures_, std::move(path));
          },
          nullptr),
      trash_(registrations_,
             StateFileCare(setup.dialogs, setup.window, saveFailures_, trashListPath_), trashList_,
             nullptr),
      services_{.window = setup.window,
                .dialogs = setup.dialogs,
                .userDataDir = userDataDir_,
                .colorDepth = setup.colorDepth,
                .filters = setup.filters,
                .listLook = listLook_,
                .icons = images_,
                .progressPanel = setup.progressPanel,
                .status = setup.status,
                .paths = paths_,
                .trash = trash_,
                .confirmation = confirmation_,
                .saveFailures = saveFailures_,
                .scanCache = scanCache_,
                .registrations = registrations_,
                .runs = runs_}
{
    registrations_.setProgressPanel(setup.progressPanel);
}
