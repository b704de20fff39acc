#pragma once
// What the main window (TForm1) shares with its pages.
//
// How a page plugs in
// -------------------
// TForm1 builds the window frame (top bar Panel3, PageControl1 with the six empty
// tab sheets, StatusBar1, the progress panel Panel5) and then calls BuildPages()
// in src/app/Pages.cpp, which holds one line per page:
//
//     new ComparePage(*sheets.TabSheet1, ctx);
//
// A page is any QObject (usually a QWidget) created with its tab sheet as parent:
// Qt deletes it with the window. Its constructor builds the page's controls into the
// tab sheet (absolute geometry; the window has a fixed size) and keeps the
// MainContext& for later. Pages are destroyed before the rest of TForm1, so a page
// may still use the context in its destructor.
// The page's library adds itself to the main program's link line from its own
// CMakeLists.txt:
//     set_property(GLOBAL APPEND PROPERTY QUORVEX_PAGE_LIBS quorvex_compare_ui)
//
// In its constructor a page registers what the main window must do for it at its
// fixed moments: state stores (restored at start, written at close in the order
// settings -> trash list -> histories), the history combo boxes, settings kept by
// its controls ("height", "sikii"), and handlers for page changes, resizes and drops.
// A host keeps these in PageRegistrations (RegisteringContext); tests host a page
// alone on tests/support/PageHost.h.
//
// Busy state: every run of a page goes through a RunScope over the page's
// RunIndicatorObserver, which shows the run's indicator: Panel5 (compare and duplicate
// pages) or one registered with addBusyIndicator (Animate2 of the empty-item page).
// While any of them is visible, isBusy() is true and the page cannot change.

#include "desktop/PageIndex.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QComboBox;
class QPoint;
class QWidget;
class Dialogs;
class PathServices;
class ProgressPanel;
class SysImageList;
class TrashListStore;
class TYesAllNoCancelBox;

namespace quorvex {
struct FilterSettings;
}

class MainContext
{
public:
    virtual ~MainContext() = default;

    // The main window: owner of message boxes and dialogs.
    virtual QWidget& mainWindow() = 0;
    // Every message box and modal dialog goes through this.
    virtual Dialogs& dialogs() = 0;

    // Per-user data folder, with a trailing "/".
    virtual const std::string& UserDataDir() const = 0;

    // The attribute and mask rules, kept current by the Option page check boxes and
    // the mask controls of the top bar. Engines hold a reference and read it at every
    // test.
    virtual quorvex::FilterSettings& filterSettings() = 0;

    // List colours of the Option page, read whenever a list draws.
    virtual QColor duplicateColor() const = 0; // Panel1: marked rows of the duplicate list
    virtual QColor matchColor() const = 0;     // Panel6: comparison rows that are alike
    virtual QColor missingColor() const = 0;   // Panel7: comparison rows with a side missing
    // CheckBox5 "サイズは、バイト単位で表示する": sizes in bytes in the duplicate list.
    virtual bool sizeInBytes() const = 0;

    // The icon store: the small image list of the result lists ListView1, ListView2
    // and ListView4 (the header image list of those lists is ImageList1()).
    virtual SysImageList& sysImageList() = 0;

    // The shared progress panel Panel5, shown for the length of a run (RunScope).
    // TForm1 moves it into the host of the page in view.
    virtual ProgressPanel& progressPanel() = 0;
    // The compare page registers Panel2, the duplicate page Panel14: Panel5 is moved
    // to the top of `host` whenever that page is shown. A run shows the panel through
    // a RunScope.
    virtual void setProgressPanelHost(Page page, QWidget& host) = 0;

    // Busy: Panel5 or a registered indicator (Animate2) visible.
    virtual bool isBusy() const = 0;
    virtual void addBusyIndicator(QWidget& indicator) = 0;

    // The page in view.
    virtual Page currentPage() const = 0;

    // Status bar panels: 0 (hints, paths) and 1 (included attributes).
    virtual void setStatusText(int panel, const QString& text) = 0;

    // Services the main window owns for its pages: the path inputs' icons and drop
    // rule, the trash list that the empty-item and trash pages change, and the
    // Yes/All/No/Cancel box (YesAllNoCancelBox1) of item-by-item batches.
    virtual PathServices& pathServices() = 0;
    virtual TrashListStore& trashListStore() = 0;
    virtual TYesAllNoCancelBox& yesAllNoCancelBox() = 0;

    // Restores state at start and writes it at close. TrashList: load runs in
    // FormCreate, save second in FormClose. Histories: load runs at the end of
    // construction, save last in FormClose.
    enum class StateStore
    {
        TrashList,
        Histories
    };
    virtual void addStateStore(StateStore which, std::function<void()> load,
                               std::function<void()> save) = 0;
    // A store (or the settings) whose file could not be written at close names it
    // here with the reason; the main window tells the user once, after every store
    // has run. The old file is still in place.
    virtual void saveFailed(const std::string& file, const std::string& reason) = 0;

    // The four history combo boxes ComboBox1 to ComboBox4 (n = 1..4), registered by
    // the pages that own them.
    virtual void setHistoryComboBox(int n, QComboBox& comboBox) = 0;
    virtual QComboBox* historyComboBox(int n) const = 0;

    // Settings kept by a page's control: ReadSettings applies the stored value (when
    // present) and WriteSettings stores current().
    enum class PageSetting
    {
        ListBox1Height /* "height" */,
        Threshold /* "sikii" */
    };
    virtual void bindSetting(PageSetting which, std::function<int()> current,
                             std::function<void(int)> apply) = 0;

    // Runs after every page change with the new index (and once during start-up),
    // after Panel5 has been moved.
    virtual void addPageChangeHandler(std::function<void(int page)> handler) = 0;
    // Runs on every resize of the main window with its width (FormResize).
    virtual void addResizeHandler(std::function<void(int width)> handler) = 0;
    // Files dropped on the main window: the first local path and the drop point in
    // window coordinates.
    virtual void
    setDropHandler(std::function<void(const QString& path, const QPoint& pos)> handler) = 0;

    // Another page's offer, taken, to look for the folders its actions emptied: the
    // empty-item page is shown and searches `folder`. That page registers its search.
    virtual void searchEmptyItems(const QString& folder) = 0;
    virtual void setEmptyItemSearch(std::function<void(const QString& folder)> search) = 0;
};
