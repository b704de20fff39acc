#include "desktop/PageRegistrations.h"

#include <QWidget>

#include <utility>

void PageRegistrations::addStore(StateStore which, std::function<void()> load,
                                 std::function<void()> save)
{
    stores_.push_back({which, std::move(load), std::move(save)});
}

void PageRegistrations::runStores(StateStore which, bool load) const
{
    for (const Store& store : stores_)
        if (store.which == which && (load ? store.load : store.save))
            (load ? store.load : store.save)();
}

void PageRegistrations::bindSetting(PageSetting which, std::function<int()> current,
                                    std::function<void(int)> apply)
{
    BoundSetting& setting = settings_[which];
    setting.current = std::move(current);
    setting.apply = std::move(apply);
}

void PageRegistrations::setSetting(PageSetting which, int value)
{
    BoundSetting& setting = settings_[which];
    setting.unboundValue = value;
    if (setting.apply)
        setting.apply(value);
}

std::optional<int> PageRegistrations::setting(PageSetting which) const
{
    const auto bound = settings_.find(which);
    if (bound == settings_.end())
        return std::nullopt;
    if (bound->second.current)
        return bound->second.current();
    return bound->second.unboundValue;
}

void PageRegistrations::setProgressPanelHost(Page page, QWidget& host)
{
    progressHosts_[page] = &host;
    if (page == current_ && progressPanel_)
        progressPanel_->setParent(&host);
}

void PageRegistrations::addPageChangeHandler(std::function<void(int)> handler)
{
    pageChangeHandlers_.push_back(std::move(handler));
}

void PageRegistrations::pageChanged(int page)
{
    current_ = static_cast<Page>(page);
    if (const auto host = progressHosts_.find(current_);
        host != progressHosts_.end() && progressPanel_)
        progressPanel_->setParent(host->second);
    for (const auto& handler : pageChangeHandlers_)
        handler(page);
}

void PageRegistrations::addResizeHandler(std::function<void(int)> handler)
{
    resizeHandlers_.push_back(std::move(handler));
}

void PageRegistrations::resized(int width) const
{
    for (const auto& handler : resizeHandlers_)
        handler(width);
}

void PageRegistrations::addDropHandler(
    Page page, std::function<void(const QString& path, const QWidget* target)> handler)
{
    dropHandlers_[page] = std::move(handler);
}

void PageRegistrations::dropped(const QString& path, const QWidget* target) const
{
    if (const auto handler = dropHandlers_.find(current_); handler != dropHandlers_.end())
        handler->second(path, target);
}

void PageRegistrations::searchEmptyItems(const QString& folder) const
{
    if (showPage_)
        showPage_(Page::EmptyItems);
    if (emptyItemSearch_)
        emptyItemSearch_(folder);
}
