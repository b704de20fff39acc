#pragma once
// What the main window (TForm1) hands each page: the services it owns, typed, and the
// registrations through which a page asks for what the window does at its moments.
//
// How a page plugs in
// -------------------
// TForm1 builds the window frame (top bar Panel3, PageControl1 with an empty tab sheet
// per page of kPageDescriptions in PageIndex.h, StatusBar1, the progress panel Panel5),
// the services below through ServiceKit, and then each page through its factory row in
// src/app/Pages.cpp:
//
//     {Page::Compare, &Build<ComparePage>},   // new ComparePage(sheet, services)
//
// A page is any QObject (usually a QWidget) created with its tab sheet as parent: Qt
// deletes it with the window. Its constructor builds the page's controls into the tab
// sheet (absolute geometry; the window has a fixed size) and keeps a copy of the
// services (references to what the window owns). Pages are destroyed before the rest
// of TForm1, so a page may still use its services in its destructor.
//
// In its constructor a page registers with `registrations` (its side, PageRegistrar)
// what the main window must do for it at its fixed moments: settings kept by its
// controls ("height", "sikii"), the host of the progress panel, and handlers for page
// changes, resizes and drops (its own drop rule). Tests host a page alone on
// tests/support/PageHost.h.
//
// Busy state: every run of a page goes through a RunScope over the page's
// RunIndicatorObserver and the window's RunCounter; the scope shows the run's
// indicator (Panel5, or a page's own such as Animate2) and counts the run. While a
// run is counted, isBusy() is true and the page cannot change.
//
// A new service: a member of ServiceKit (which TForm1 and PageHost own), one field
// here.

#include "desktop/ListLook.h"
#include "desktop/PageRegistrar.h"
#include "desktop/ProgressPanel.h"
#include "desktop/RunCounter.h"

#include <string>

class ConfirmationBox;
class Dialogs;
class PathServices;
class QWidget;
class SaveFailures;
class ScanCacheService;
class StatusBar;
class SysImageList;
class TrashListStore;

namespace quorvex {
struct FilterSettings;
}

struct PageServices
{
    // The main window: owner of message boxes and dialogs.
    QWidget& window;
    // Every message box and modal dialog goes through this.
    Dialogs& dialogs;
    // Per-user data folder, with a trailing "/".
    const std::string& userDataDir;
    // The screen's bits per pixel: it chooses the default colours.
    int colorDepth;
    // The attribute and mask rules, kept current by the Option page check boxes and
    // the mask controls of the top bar. Engines hold a reference and read it at every
    // test.
    quorvex::FilterSettings& filters;
    // The list colours and the size display, read whenever a list draws: the Option
    // page gives itself as their source.
    ListLookRelay& listLook;
    // The icon store: the small image list of the result lists ListView1, ListView2
    // and ListView4 (the header image list of those lists is ImageList1()).
    SysImageList& icons;
    // The shared progress panel Panel5, shown for the length of a run (RunScope).
    // The window moves it into the host a page registered for itself
    // (registrations.setProgressPanelHost) whenever that page is shown.
    ProgressPanel& progressPanel;
    // StatusBar1: panel 0 (hints, paths) and panel 1 (included attributes).
    StatusBar& status;
    // The path inputs' icons.
    PathServices& paths;
    // The trash list that the empty-item and trash pages change.
    TrashListStore& trash;
    // The Yes/All/No/Cancel box (YesAllNoCancelBox1) of item-by-item batches.
    ConfirmationBox& confirmation;
    // The state files a close could not write.
    SaveFailures& saveFailures;
    // What the searches read from files in earlier runs (the Option page turns it
    // on and off).
    ScanCacheService& scanCache;
    PageRegistrar& registrations;
    // The runs going on in the window (RunScope counts them).
    RunCounter& runs;

    // A run of any page goes on.
    bool isBusy() const { return runs.busy(); }
};
