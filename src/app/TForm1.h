#pragma once
// The main window: top bar with the mask controls, six pages, status bar, and the
// services the pages share (PageServices). Construction restores the histories;
// FormCreate (run at the end of the constructor) the mask sets, settings and the
// trash list; closing writes settings, trash list and histories, in this order.

#include "app/Pages.h"
#include "common/Filters.h"
#include "desktop/ConfirmationBox.h"
#include "desktop/PageRegistrations.h"
#include "desktop/PageServices.h"
#include "desktop/SaveFailures.h"
#include "desktop/ScanCacheService.h"

#include <QFrame>
#include <QWidget>

#include <memory>
#include <optional>

class QFrame;
class QTabWidget;
class QTimer;
class QToolButton;
class HintFilter;
class MaskBar;
class OptionsPage;
class PathServices;
class ProgressPanel;
class StatusBar;
class SysImageList;
class TrashListStore;
class TSwitchButton;

class TForm1 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 792;
    static constexpr int ClientHeight = 508;

    // `colorDepth` is the screen's bits per pixel (ScreenColorDepth()); it chooses
    // the default colours.
    TForm1(Dialogs& dialogs, int colorDepth);
    ~TForm1() override;

    static int ScreenColorDepth();

    // The trash list ("path=attributes" lines) and its file, kept by trashListStore().
    std::vector<std::string>& TrashList() { return TrashList_; }
    const std::string& TrashListPath() const { return TrashListPath_; }

    // What the pages were given, and what they registered.
    const PageServices& services() const { return *services_; }
    PageRegistrations& registrations() { return registrations_; }

    // Busy: a run of a page goes on.
    bool isBusy() const { return services_->isBusy(); }
    // The page in view.
    Page currentPage() const { return registrations_.currentPage(); }
    // Status bar panel 0 (hints, paths) or 1 (included attributes).
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    // The taskbar caption Timer1Timer wants: the title, preceded by the percentage
    // and "% " while the window is minimised during a comparison or duplicate search.
    static QString WantedTitle(const QString& appTitle, bool windowShown, bool progressShown,
                               int percent);

    // The tab sheet of `page` (TabSheet1 ... TabSheet6, named in kPageDescriptions).
    QWidget* sheet(Page page) const
    {
        return sheets_.at(static_cast<std::size_t>(PageIndex(page)));
    }

    // Widgets, named as the program's documentation names them.
    QFrame* Panel3;
    TSwitchButton* SwitchButton2;
    TSwitchButton* SwitchButton3;
    MaskBar* Panel4;
    QToolButton* SpeedButton5;
    QTabWidget* PageControl1;
    StatusBar* StatusBar1;
    OptionsPage* Options;
    QTimer* Timer1;

    // Settings (TForm1Settings.cpp).
    void ReadSettings();
    void WriteSettings();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildTopBar();
    void buildPageControl();
    void buildProgressPanel();
    QIcon statusPathIcon(const QString& path);
    void applyDefaultColors();
    void FormCreate();
    void FormClose();
    void FormResize();
    bool PageControl1Changing() const;
    void PageControl1Change();
    void Timer1Timer();
    void SwitchButton2Click();
    void SpeedButton5Click();
    void runStores(StateStore which, bool load);

    Dialogs& dialogs_;
    PageSheetList sheets_{};
    int ColorDepth_;
    QString AppTitle_;
    std::string ExeDir_;
    std::string UserDataDir_;
    std::string TrashListPath_;
    std::unique_ptr<SysImageList> SysImageList_;
    quorvex::FilterSettings filterSettings_;
    std::vector<std::string> TrashList_;

    ProgressPanel* Panel5_;

    // The services of the pages; the widgets among them are children of the window.
    PageRegistrations registrations_;
    RunCounter runs_{*this};
    SaveFailures saveFailures_; // of the close in progress
    ConfirmationBox confirmationBox_;
    ScanCacheService scanCache_;
    PathServices* pathServices_;
    TrashListStore* trashListStore_;
    std::optional<PageServices> services_;

    HintFilter* hints_;
    int shownPage_ = 0;
    // A page's setting, or its default while no page has bound or been given it.
    int pageSetting(PageSetting which) const;
};
