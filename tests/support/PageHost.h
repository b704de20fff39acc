#pragma once
// A small host for one page under test, standing in for the main window
// (MainContext): a plain window with one tab sheet, the progress panel,
// a status bar's two texts and the services pages use. A page test builds its page
// alone on it instead of the whole window.
//
//   PageHost host(dialogs, tree.path("data/"), Page::Trash);
//   auto* page = new TrashPage(host.sheet(), host);
//   host.start();             // the state stores load, as when the program starts

#include "common/Filters.h"
#include "desktop/ImageList1.h"
#include "desktop/MainContext.h"
#include "desktop/PageRegistrations.h"
#include "desktop/PathServices.h"
#include "desktop/ProgressPanel.h"
#include "desktop/TYesAllNoCancelBox.h"
#include "desktop/TrashListStore.h"
#include "platform/desktop/SysImageList.h"
#include "trash/TrashStore.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PageHost : public QWidget, public RegisteringContext
{
public:
    PageHost(Dialogs& dialogs, std::string dataDir, Page page)
        : dialogs_(dialogs), dataDir_(std::move(dataDir)), page_(page), sheet_(new QWidget(this)),
          panel5_(new ProgressPanel(this, [this](const QString& times) { status_[0] = times; })),
          pathServices_(new PathServices(*this, this)),
          trashListStore_(
              new TrashListStore(*this, trashList_, quorvex::TrashListPath(dataDir_), this)),
          box_(new TYesAllNoCancelBox(dialogs, this))
    {
        resize(800, 600);
        sheet_->setGeometry(0, 0, 800, 580);
        box_->applyStandardConfiguration(&ImageList1());
    }

    // The page goes first, while everything it may use in its destructor still lives.
    ~PageHost() override { delete sheet_; }

    QWidget& sheet() { return *sheet_; }
    std::vector<std::string>& TrashList() { return trashList_; }

    // Loads the state stores, as a start of the program does, and shows the window.
    void start()
    {
        registrations_.runStores(StateStore::TrashList, true);
        registrations_.runStores(StateStore::Histories, true);
        registrations_.pageChanged(PageIndex(page_));
        show();
    }

    QWidget& mainWindow() override { return *this; }
    Dialogs& dialogs() override { return dialogs_; }
    const std::string& UserDataDir() const override { return dataDir_; }
    quorvex::FilterSettings& filterSettings() override { return filters_; }
    QColor duplicateColor() const override { return Qt::yellow; }
    QColor matchColor() const override { return Qt::cyan; }
    QColor missingColor() const override { return Qt::magenta; }
    bool sizeInBytes() const override { return false; }
    SysImageList& sysImageList() override { return images_; }
    ProgressPanel& progressPanel() override { return *panel5_; }
    void setProgressPanelHost(Page page, QWidget& host) override
    {
        registrations_.setProgressPanelHost(page, host);
    }
    bool isBusy() const override
    {
        return !panel5_->isHidden() || registrations_.anyBusyIndicatorShown();
    }
    Page currentPage() const override { return page_; }
    void setStatusText(int panel, const QString& text) override { status_.at(panel) = text; }
    QString statusText(int panel) const { return status_.at(panel); }
    PathServices& pathServices() override { return *pathServices_; }
    TrashListStore& trashListStore() override { return *trashListStore_; }
    TYesAllNoCancelBox& yesAllNoCancelBox() override { return *box_; }
    void saveFailed(const std::string& file, const std::string& reason) override
    {
        saveFailures.push_back(file + ": " + reason);
    }
    void searchEmptyItems(const QString& folder) override
    {
        emptyItemSearches.push_back(folder);
        registrations_.searchEmptyItems(folder);
    }

    std::vector<std::string> saveFailures;  // "file: reason", as the host was told
    std::vector<QString> emptyItemSearches; // the folders other pages asked to search

private:
    Dialogs& dialogs_;
    std::string dataDir_;
    Page page_;
    quorvex::FilterSettings filters_;
    SysImageList images_;
    std::vector<std::string> trashList_;
    std::array<QString, 2> status_;
    QWidget* sheet_;
    ProgressPanel* panel5_;
    PathServices* pathServices_;
    TrashListStore* trashListStore_;
    TYesAllNoCancelBox* box_;
};
