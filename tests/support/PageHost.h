#pragma once
// A small host for one page under test, standing in for the main window: a plain
// window with one tab sheet, the progress panel, a status bar and the services pages
// use. A page test builds its page alone on it instead of the whole window.
//
//   PageHost host(dialogs, tree.path("data/"), Page::Trash);
//   auto* page = new TrashPage(host.sheet(), host.services());
//   host.start();             // the state stores load, as when the program starts
//   host.finish();            // and are written, as when it closes

#include "cache/CacheLocation.h"
#include "common/Filters.h"
#include "desktop/ConfirmationBox.h"
#include "desktop/ListLook.h"
#include "desktop/PageRegistrations.h"
#include "desktop/PageServices.h"
#include "desktop/PathServices.h"
#include "desktop/ProgressPanel.h"
#include "desktop/SaveFailures.h"
#include "desktop/ScanCacheService.h"
#include "desktop/StatusBar.h"
#include "desktop/TrashListStore.h"
#include "platform/FileSystem.h"
#include "platform/desktop/SysImageList.h"
#include "trash/TrashStore.h"

#include <QResizeEvent>
#include <QWidget>

#include <string>
#include <vector>

class PageHost : public QWidget
{
public:
    PageHost(Dialogs& dialogs, std::string dataDir, Page page)
        : dataDir_(std::move(dataDir)), page_(page), confirmation_(dialogs, *this),
          sheet_(new QWidget(this)), status_(new StatusBar(this)),
          panel5_(new ProgressPanel(this,
                                    [this](const QString& times) { status_->setText(0, times); })),
          pathServices_(new PathServices(
              images_, registrations_, dataDir_,
              [this, &dialogs](std::string path) {
                  return StateFileCare(dialogs, *this, saveFailures_, std::move(path));
              },
              this)),
          trashListStore_(new TrashListStore(
              registrations_,
              StateFileCare(dialogs, *this, saveFailures_, quorvex::TrashListPath(dataDir_)),
              trashList_, this)),
          services_{.window = *this,
                    .dialogs = dialogs,
                    .userDataDir = dataDir_,
                    .filters = filters_,
                    .listLook = look_,
                    .icons = images_,
                    .progressPanel = *panel5_,
                    .status = *status_,
                    .paths = *pathServices_,
                    .trash = *trashListStore_,
                    .confirmation = confirmation_,
                    .saveFailures = saveFailures_,
                    .scanCache = scanCache_,
                    .registrations = registrations_,
                    .runs = runs_}
    {
        // The program's data folder always exists.
        (void)quorvex::platform::CreateFolderWithParents(dataDir_);
        resize(800, 600);
        sheet_->setGeometry(0, 0, 800, 580);
        status_->setGeometry(0, 580, 800, StatusBar::BarHeight);
        registrations_.setProgressPanel(*panel5_);
        registrations_.pageChanged(PageIndex(page_));
        // A page asked for comes into view at once: the host refuses no change.
        registrations_.setPageShower(
            [this](Page shown) { registrations_.pageChanged(PageIndex(shown)); });
        // Other pages' offers to search for empty items, unless a hosted page searches.
        registrations_.setEmptyItemSearch(
            [this](const QString& folder) { emptyItemSearches.push_back(folder); });
    }

    // The page goes first, while everything it may use in its destructor still lives.
    ~PageHost() override { delete sheet_; }

    QWidget& sheet() { return *sheet_; }
    const PageServices& services() const { return services_; }
    PageRegistrations& registrations() { return registrations_; }
    std::vector<std::string>& TrashList() { return trashList_; }
    QString statusText(int panel) const { return status_->text(panel); }
    bool isBusy() const { return services_.isBusy(); }
    RunCounter& runs() { return runs_; }

    // Loads the state stores, as a start of the program does, and shows the window.
    void start()
    {
        registrations_.runStores(StateStore::TrashList, true);
        registrations_.runStores(StateStore::Histories, true);
        registrations_.pageChanged(PageIndex(page_));
        show();
    }

    // Writes the state stores, in the order a close of the program does.
    void finish()
    {
        registrations_.runStores(StateStore::TrashList, false);
        registrations_.runStores(StateStore::Histories, false);
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
        registrations_.resized(width());
    }

private:
    std::string dataDir_;
    Page page_;
    quorvex::FilterSettings filters_;
    Look look_;
    SysImageList images_;
    std::vector<std::string> trashList_;
    PageRegistrations registrations_;
    RunCounter runs_{*this};
    SaveFailures saveFailures_;
    ScanCacheService scanCache_{quorvex::cache::DefaultCachePath(), true};
    ConfirmationBox confirmation_;
    QWidget* sheet_;
    StatusBar* status_;
    ProgressPanel* panel5_;
    PathServices* pathServices_;
    TrashListStore* trashListStore_;
    PageServices services_;
};
