#pragma once
// What the pages register with their host (the main window, or a test's PageHost),
// kept apart from the window that builds them: the host calls these at its fixed
// moments (start, close, page change, resize, drop) and asks them about progress
// hosts.
//
//   registrations.addStore(StateStore::TrashList, load, save);
//   registrations.runStores(StateStore::TrashList, /*load=*/true);

#include "desktop/PageIndex.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QComboBox;
class QPoint;
class QString;
class QWidget;

// Restores state at start and writes it at close. TrashList: load runs in FormCreate,
// save second in FormClose. Histories: load runs at the end of construction, save
// last in FormClose.
enum class StateStore
{
    TrashList,
    Histories
};

// Settings kept by a page's control: ReadSettings applies the stored value (when
// present) and WriteSettings stores current().
enum class PageSetting
{
    ListBox1Height /* "height" */,
    Threshold /* "sikii" */
};

class PageRegistrations
{
public:
    // State stores, run in the order they were added.
    void addStore(StateStore which, std::function<void()> load, std::function<void()> save);
    void runStores(StateStore which, bool load) const;

    // A setting shown by a page's control. Until a page binds it, a value set here is
    // kept and given back.
    void bindSetting(PageSetting which, std::function<int()> current,
                     std::function<void(int)> apply);
    void setSetting(PageSetting which, int value);
    std::optional<int> setting(PageSetting which) const;

    // History combo boxes ComboBox1 to ComboBox4 (n = 1..4).
    void setHistoryComboBox(int n, QComboBox& comboBox)
    {
        historyComboBoxes_.at(n - 1) = &comboBox;
    }
    QComboBox* historyComboBox(int n) const { return historyComboBoxes_.at(n - 1); }

    // The shared progress panel (Panel5) moves into the host a page registered for
    // itself whenever that page comes into view, and at once when it is in view.
    void setProgressPanel(QWidget& panel) { progressPanel_ = &panel; }
    void setProgressPanelHost(Page page, QWidget& host);

    // Handlers run after every page change with the new index (and once during
    // start-up), after Panel5 has been moved.
    void addPageChangeHandler(std::function<void(int)> handler);
    // The host tells of the page now in view: Panel5 moves, the handlers run.
    void pageChanged(int page);
    Page currentPage() const { return current_; }
    // Handlers run on every resize of the main window with its width (FormResize).
    void addResizeHandler(std::function<void(int)> handler);
    void resized(int width) const;
    // Files dropped on the main window: the first local path and the drop point in
    // window coordinates.
    void setDropHandler(std::function<void(const QString&, const QPoint&)> handler);
    void dropped(const QString& path, const QPoint& pos) const;

    // How the host brings a page into view (a refused change leaves the page as it is).
    void setPageShower(std::function<void(Page)> show) { showPage_ = std::move(show); }
    // Another page's offer, taken, to look for the folders its actions emptied: the
    // empty-item page is shown and searches `folder`. That page registers its search.
    void setEmptyItemSearch(std::function<void(const QString&)> search)
    {
        emptyItemSearch_ = std::move(search);
    }
    void searchEmptyItems(const QString& folder) const;

private:
    struct Store
    {
        StateStore which;
        std::function<void()> load, save;
    };
    struct BoundSetting
    {
        std::function<int()> current;
        std::function<void(int)> apply;
        std::optional<int> unboundValue;
    };

    std::vector<Store> stores_;
    std::map<PageSetting, BoundSetting> settings_;
    std::array<QComboBox*, 4> historyComboBoxes_{};
    QWidget* progressPanel_ = nullptr;
    std::map<Page, QWidget*> progressHosts_;
    std::vector<std::function<void(int)>> pageChangeHandlers_;
    Page current_ = Page::Compare;
    std::vector<std::function<void(int)>> resizeHandlers_;
    std::function<void(const QString&, const QPoint&)> dropHandler_;
    std::function<void(Page)> showPage_;
    std::function<void(const QString&)> emptyItemSearch_;
};
