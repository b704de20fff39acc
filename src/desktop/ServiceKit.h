#pragma once
// The services the pages share (PageServices), built in one place for the main window
// and for a test's PageHost alike. The host builds its frame first, the status bar
// and the progress panel among its widgets, and hands them over; the kit builds and
// owns the rest, and registers its state stores with the host's registrations.
//
//   ServiceKit kit({.window = *this, .dialogs = dialogs, .userDataDir = dir, ...});
//   BuildPages(sheets, kit.services());
//   kit.registrations().runStores(StateStore::Histories, /*load=*/true);

#include "desktop/ConfirmationBox.h"
#include "desktop/ListLook.h"
#include "desktop/PageRegistrations.h"
#include "desktop/PageServices.h"
#include "desktop/PathServices.h"
#include "desktop/RunCounter.h"
#include "desktop/SaveFailures.h"
#include "desktop/ScanCacheService.h"
#include "desktop/TrashListStore.h"
#include "platform/desktop/SysImageList.h"

#include <string>
#include <vector>

class Dialogs;
class ProgressPanel;
class QWidget;
class StatusBar;

namespace quorvex {
struct FilterSettings;
}

struct ServiceKitSetup
{
    QWidget& window;
    Dialogs& dialogs;
    std::string userDataDir; // with a trailing "/"
    int colorDepth;          // the screen's bits per pixel
    StatusBar& status;
    ProgressPanel& progressPanel;
    // The host's mask and attribute rules (its top bar edits them too).
    quorvex::FilterSettings& filters;
    bool useScanCache;
};

class ServiceKit
{
public:
    explicit ServiceKit(const ServiceKitSetup& setup);
    ServiceKit(const ServiceKit&) = delete;
    ServiceKit& operator=(const ServiceKit&) = delete;

    const PageServices& services() const { return services_; }
    PageRegistrations& registrations() { return registrations_; }
    SaveFailures& saveFailures() { return saveFailures_; }
    // The trash list ("path=attributes" lines) and its file.
    std::vector<std::string>& TrashList() { return trashList_; }
    const std::string& TrashListPath() const { return trashListPath_; }

private:
    std::string userDataDir_;
    std::string trashListPath_;
    ListLookRelay listLook_;
    SysImageList images_;
    std::vector<std::string> trashList_;
    PageRegistrations registrations_;
    SaveFailures saveFailures_;
    ScanCacheService scanCache_;
    ConfirmationBox confirmation_;
    RunCounter runs_;
    PathServices paths_;
    TrashListStore trash_;
    PageServices services_;
};
