#pragma once
// The main window: top bar with the mask controls, six pages, status bar, and the
// services the pages share (PageServices). Construction restores the histories;
// FormCreate (run at the end of the constructor) the mask sets, settings and the
// trash list; closing writes settings, trash list and histories, in this order.

#include "app/Pages.h"
#include "common/Filters.h"
#include "desktop/ServiceKit.h"

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
class ProgressPanel;
class StatusBar;
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

    // The trash list ("path=attributes" lines) and its file, kept by the trash store.
    std::vector<std::string>& TrashList() { return kit_->TrashList(); }
    const std::string& TrashListPath() const { return kit_->TrashListPath(); }

    // What the pages were given, and what they registered.
    const PageServices& services() const { return kit_->services(); }
    PageRegistrations& registrations() { return kit_->registrations(); }

    // Busy: a run of a page goes on.
    bool isBusy() const { return services().isBusy(); }
    // The page in view.
    Page currentPage() const { return services().registrations.currentPage(); }
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

    Dialogs& dialogs_;
    PageSheetList sheets_{};
    int ColorDepth_;
    QString AppTitle_;
    std::string ExeDir_;
    quorvex::FilterSettings filterSettings_;

    ProgressPanel* Panel5_;

    // The services of the pages, built once the status bar and Panel5 exist.
    std::optional<ServiceKit> kit_;

    HintFilter* hints_;
    int shownPage_ = 0;
};
