#pragma once
// The host's side of the registrations (the main window, or a test's PageHost): it
// keeps what the pages registered through their side (PageRegistrar) and runs it at
// its fixed moments (start, close, page change, resize, drop). The services the host
// builds register their state stores here.
//
//   registrations.addStore(StateStore::TrashList, load, save);
//   registrations.runStores(StateStore::TrashList, /*load=*/true);

#include "desktop/PageRegistrar.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

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

class PageRegistrations final : public PageRegistrar
{
public:
    // State stores, run in the order they were added.
    void addStore(StateStore which, std::function<void()> load, std::function<void()> save);
    void runStores(StateStore which, bool load) const;

    void bindSetting(PageSetting which, std::function<int()> current,
                     std::function<void(int)> apply) override;
    void setSetting(PageSetting which, int value);
    std::optional<int> setting(PageSetting which) const;

    // The panel that moves into the host each page registered.
    void setProgressPanel(QWidget& panel) { progressPanel_ = &panel; }
    void setProgressPanelHost(Page page, QWidget& host) override;

    void addPageChangeHandler(std::function<void(int)> handler) override;
    // The page now in view: Panel5 moves, the handlers run.
    void pageChanged(int page);
    Page currentPage() const override { return current_; }
    void addResizeHandler(std::function<void(int)> handler) override;
    void resized(int width) const;
    void addDropHandler(
        Page page,
        std::function<void(const QString& path, const QWidget* target)> handler) override;
    // A path dropped on the window, onto `target` (may be null): the handler of the
    // page in view takes it.
    void dropped(const QString& path, const QWidget* target) const;

    // How the host brings a page into view (a refused change leaves the page as it is).
    void setPageShower(std::function<void(Page)> show) { showPage_ = std::move(show); }
    void setEmptyItemSearch(std::function<void(const QString&)> search) override
    {
        emptyItemSearch_ = std::move(search);
    }
    void searchEmptyItems(const QString& folder) const override;

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
    QWidget* progressPanel_ = nullptr;
    std::map<Page, QWidget*> progressHosts_;
    std::vector<std::function<void(int)>> pageChangeHandlers_;
    Page current_ = Page::Compare;
    std::vector<std::function<void(int)>> resizeHandlers_;
    std::map<Page, std::function<void(const QString&, const QWidget*)>> dropHandlers_;
    std::function<void(Page)> showPage_;
    std::function<void(const QString&)> emptyItemSearch_;
};
