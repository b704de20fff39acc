#pragma once
// A page's side of its registrations with the host (the main window, or a test's
// PageHost): what the host must do for the page at its fixed moments (page change,
// resize, drop, start and close of the settings), and the offers pages make one
// another. The host's side is PageRegistrations.
//
//   registrar.addResizeHandler([this](int width) { ... });
//   registrar.addDropHandler(Page::Compare, [this](const QString& path, const QWidget* on) {
//       ...
//   });

#include "desktop/PageIndex.h"

#include <functional>

class QString;
class QWidget;

// Settings kept by a page's control: ReadSettings applies the stored value (when
// present) and WriteSettings stores current().
enum class PageSetting
{
    SizeInBytes /* "kbsize" */,
    SystemFiles /* "sys" */,
    HiddenFiles /* "hid" */,
    DuplicateColor /* "color" */,
    MatchColor /* "color1" */,
    MissingColor /* "color2" */,
    ListBox1Height /* "height" */,
    Threshold /* "sikii" */
};

class PageRegistrar
{
public:
    // A setting shown by a page's control. Until a page binds it, a value the host
    // sets is kept and given back.
    virtual void bindSetting(PageSetting which, std::function<int()> current,
                             std::function<void(int)> apply) = 0;

    // The shared progress panel (Panel5) moves into `host` whenever `page` comes into
    // view, and at once when it is in view.
    virtual void setProgressPanelHost(Page page, QWidget& host) = 0;

    // Handlers run after every page change with the new index (and once during
    // start-up), after Panel5 has been moved.
    virtual void addPageChangeHandler(std::function<void(int)> handler) = 0;
    // The page in view.
    virtual Page currentPage() const = 0;
    // Handlers run on every resize of the main window with its width (FormResize).
    virtual void addResizeHandler(std::function<void(int)> handler) = 0;
    // A path dropped on the main window while `page` is in view: the first local
    // path, and the control under the drop point (may be null). Other pages ignore
    // drops.
    virtual void
    addDropHandler(Page page,
                   std::function<void(const QString& path, const QWidget* target)> handler) = 0;

    // Another page's offer, taken, to look for the folders its actions emptied: the
    // empty-item page is shown and searches `folder`. That page registers its search.
    virtual void setEmptyItemSearch(std::function<void(const QString&)> search) = 0;
    virtual void searchEmptyItems(const QString& folder) const = 0;

protected:
    ~PageRegistrar() = default;
};
