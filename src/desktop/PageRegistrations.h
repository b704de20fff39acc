#pragma once
// What the pages register with their host (MainContext), kept apart from the window
// that builds them: the host calls these at its fixed moments (start, close, page
// change, resize, drop) and asks them about busy indicators and progress hosts.
//
//   registrations.addStore(MainContext::StateStore::TrashList, load, save);
//   registrations.runStores(MainContext::StateStore::TrashList, /*load=*/true);

#include "desktop/MainContext.h"

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

class PageRegistrations
{
public:
    using StateStore = MainContext::StateStore;
    using PageSetting = MainContext::PageSetting;

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

    // The widget that holds the progress panel while `page` is shown, or null.
    void setProgressPanelHost(Page page, QWidget& host) { progressHosts_[page] = &host; }
    QWidget* progressPanelHost(Page page) const;

    void addBusyIndicator(QWidget& indicator) { busyIndicators_.push_back(&indicator); }
    bool anyBusyIndicatorShown() const;

    void addPageChangeHandler(std::function<void(int)> handler);
    void pageChanged(int page) const;
    void addResizeHandler(std::function<void(int)> handler);
    void resized(int width) const;
    void setDropHandler(std::function<void(const QString&, const QPoint&)> handler);
    void dropped(const QString& path, const QPoint& pos) const;
    void setEmptyItemSearch(std::function<void(const QString&)> search)
    {
        emptyItemSearch_ = std::move(search);
    }
    void searchEmptyItems(const QString& folder) const
    {
        if (emptyItemSearch_)
            emptyItemSearch_(folder);
    }

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
    std::map<Page, QWidget*> progressHosts_;
    std::vector<QWidget*> busyIndicators_;
    std::vector<std::function<void(int)>> pageChangeHandlers_;
    std::vector<std::function<void(int)>> resizeHandlers_;
    std::function<void(const QString&, const QPoint&)> dropHandler_;
    std::function<void(const QString&)> emptyItemSearch_;
};

// The part of MainContext that only records what pages register; a host (the main
// window, or a test's stand-in) derives from it, implements the rest and calls
// `registrations_` at its moments.
class RegisteringContext : public MainContext
{
public:
    void addStateStore(StateStore which, std::function<void()> load,
                       std::function<void()> save) override
    {
        registrations_.addStore(which, std::move(load), std::move(save));
    }
    void setHistoryComboBox(int n, QComboBox& comboBox) override
    {
        registrations_.setHistoryComboBox(n, comboBox);
    }
    QComboBox* historyComboBox(int n) const override { return registrations_.historyComboBox(n); }
    void bindSetting(PageSetting which, std::function<int()> current,
                     std::function<void(int)> apply) override
    {
        registrations_.bindSetting(which, std::move(current), std::move(apply));
    }
    void addBusyIndicator(QWidget& indicator) override
    {
        registrations_.addBusyIndicator(indicator);
    }
    void addPageChangeHandler(std::function<void(int)> handler) override
    {
        registrations_.addPageChangeHandler(std::move(handler));
    }
    void addResizeHandler(std::function<void(int)> handler) override
    {
        registrations_.addResizeHandler(std::move(handler));
    }
    void setDropHandler(std::function<void(const QString&, const QPoint&)> handler) override
    {
        registrations_.setDropHandler(std::move(handler));
    }
    void setEmptyItemSearch(std::function<void(const QString&)> search) override
    {
        registrations_.setEmptyItemSearch(std::move(search));
    }

protected:
    PageRegistrations registrations_;
};
