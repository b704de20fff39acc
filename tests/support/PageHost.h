#pragma once
// A small host for one page under test, standing in for the main window: a plain
// window with one tab sheet, the progress panel, a status bar and the services pages
// use, built by the same kit as the window's. A page test builds its page alone on it
// instead of the whole window.
//
//   PageHost host(dialogs, tree.path("data/"), Page::Trash);
//   auto* page = new TrashPage(host.sheet(), host.services());
//   host.start();             // the state stores load, as when the program starts
//   host.finish();            // and are written, as when it closes

#include "common/Filters.h"
#include "desktop/ListLook.h"
#include "desktop/PageRegistrations.h"
#include "desktop/PageServices.h"
#include "desktop/ProgressPanel.h"
#include "desktop/ServiceKit.h"
#include "desktop/StatusBar.h"
#include "platform/FileSystem.h"

#include <QResizeEvent>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class PageHost : public QWidget
{
public:
    PageHost(Dialogs& dialogs, std::string dataDir, Page page)
        : page_(page), sheet_(new QWidget(this)), status_(new StatusBar(this)),
          panel5_(
              new ProgressPanel(this, [this](const QString& times) { status_->setText(0, times); }))
    {
        kit_.emplace(ServiceKitSetup{.window = *this,
                                     .dialogs = dialogs,
                                     .userDataDir = std::move(dataDir),
                                     .colorDepth = 32,
                                     .status = *status_,
                                     .progressPanel = *panel5_,
                                     .filters = filters_,
                                     .useScanCache = true});
        kit_->services().listLook.setSource(look_);
        // The program's data folder always exists.
        (void)quorvex::platform::CreateFolderWithParents(kit_->services().userDataDir);
        resize(800, 600);
        sheet_->setGeometry(0, 0, 800, 580);
        status_->setGeometry(0, 580, 800, StatusBar::BarHeight);
        registrations().pageChanged(PageIndex(page_));
        // A page asked for comes into view at once: the host refuses no change.
        registrations().setPageShower(
            [this](Page shown) { registrations().pageChanged(PageIndex(shown)); });
        // Other pages' offers to search for empty items, unless a hosted page searches.
        registrations().setEmptyItemSearch(
            [this](const QString& folder) { emptyItemSearches.push_back(folder); });
    }

    // The page goes first, while everything it may use in its destructor still lives.
    ~PageHost() override { delete sheet_; }

    QWidget& sheet() { return *sheet_; }
    const PageServices& services() const { return kit_->services(); }
    PageRegistrations& registrations() { return kit_->registrations(); }
    std::vector<std::string>& TrashList() { return kit_->TrashList(); }
    QString statusText(int panel) const { return status_->text(panel); }
    bool isBusy() const { return services().isBusy(); }
    RunCounter& runs() { return services().runs; }

    // Loads the state stores, as a start of the program does, and shows the window.
    void start()
    {
        registrations().runStores(StateStore::TrashList, true);
        registrations().runStores(StateStore::Histories, true);
        registrations().pageChanged(PageIndex(page_));
        show();
    }

    // Writes the state stores, in the order a close of the program does.
    void finish()
    {
        registrations().runStores(StateStore::TrashList, false);
        registrations().runStores(StateStore::Histories, false);
    }

    // How the lists draw: fixed colours, and sizes in bytes until a test says otherwise.
    struct Look : ListLook
    {
        QColor duplicateColor() const override { return Qt::yellow; }
        QColor matchColor() const override { return Qt::cyan; }
        QColor missingColor() const override { return Qt::magenta; }
        bool sizeInBytes() const override { return bytes; }
        bool bytes = true;
    };
    Look& look() { return look_; }

    std::vector<QString> emptyItemSearches; // the folders other pages asked to search

protected:
    // The pages follow the window's size, as in the main window.
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        registrations().resized(width());
    }

private:
    Page page_;
    quorvex::FilterSettings filters_;
    Look look_;
    QWidget* sheet_;
    StatusBar* status_;
    ProgressPanel* panel5_;
    std::optional<ServiceKit> kit_;
};
