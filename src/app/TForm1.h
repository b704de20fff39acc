#pragma once
// The main window: top bar with the mask controls, six pages, status bar, and the
// state the pages share (MainContext). Construction restores the histories;
// FormCreate (run at the end of the constructor) the mask sets, settings and the
// trash list; closing writes settings, trash list and histories, in this order.

#include "common/Filters.h"
#include "desktop/MainContext.h"
#include "desktop/PageRegistrations.h"

#include <QFrame>
#include <QStringList>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QTabWidget;
class QTimer;
class QToolButton;
class OptionsPage;
class ProgressPanel;
class StatusBar;
class TSwitchButton;

class TForm1 : public QWidget, public RegisteringContext
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

    // MainContext
    QWidget& mainWindow() override { return *this; }
    Dialogs& dialogs() override { return dialogs_; }
    const std::string& UserDataDir() const override { return UserDataDir_; }
    quorvex::FilterSettings& filterSettings() override { return filterSettings_; }
    QColor duplicateColor() const override;
    QColor matchColor() const override;
    QColor missingColor() const override;
    bool sizeInBytes() const override;
    SysImageList& sysImageList() override { return *SysImageList_; }
    ProgressPanel& progressPanel() override { return *Panel5_; }
    void setProgressPanelHost(Page page, QWidget& host) override;
    bool isBusy() const override;
    Page currentPage() const override;
    void setStatusText(int panel, const QString& text) override;
    PathServices& pathServices() override { return *pathServices_; }
    TrashListStore& trashListStore() override { return *trashListStore_; }
    TYesAllNoCancelBox& yesAllNoCancelBox() override;
    void saveFailed(const std::string& file, const std::string& reason) override;
    void searchEmptyItems(const QString& folder) override;

    // The text of status bar panel 0 or 1.
    QString statusText(int panel) const;

    // The taskbar caption Timer1Timer wants: the title, preceded by the percentage
    // and "% " while the window is minimised during a comparison or duplicate search.
    static QString WantedTitle(const QString& appTitle, bool windowShown, bool progressShown,
                               int percent);

    // Widgets, named as the program's documentation names them.
    QFrame* Panel3;
    TSwitchButton* SwitchButton2;
    TSwitchButton* SwitchButton3;
    QFrame* Panel4;
    QCheckBox* ExclusionChkBox;
    QComboBox* MaskTitleComboBox;
    QCheckBox* CheckBox1;
    QToolButton* SpeedButton5;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet5;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    QWidget* TabSheet6;
    StatusBar* StatusBar1;
    OptionsPage* Options;
    QTimer* Timer1;

    // Settings and mask sets (TForm1Settings.cpp).
    void ReadMaskSets();
    void ReadSettings();
    void WriteSettings();

    // Mask controls of the top bar (MaskControls.cpp).
    void CheckBox1Click();
    void MaskTitleComboBoxChange();
    const std::vector<std::string>& MaskSetTexts() const { return MaskSetTexts_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
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
    // The hint handler (eventFilter).
    QWidget* controlUnderPointer();
    void showHintOf(const QWidget* control);
    void showHint(const QString& hint);
    bool holds(const QObject& object) const;

    Dialogs& dialogs_;
    int ColorDepth_;
    QString AppTitle_;
    std::string ExeDir_;
    std::string UserDataDir_;
    std::string TrashListPath_;
    std::unique_ptr<SysImageList> SysImageList_;
    quorvex::FilterSettings filterSettings_;
    std::vector<std::string> MaskSetTexts_;
    std::vector<std::string> TrashList_;

    ProgressPanel* Panel5_;

    // The services of MainContext, children of the window.
    PathServices* pathServices_;
    TrashListStore* trashListStore_;
    TYesAllNoCancelBox* YesAllNoCancelBox1_ = nullptr; // made at its first batch

    int shownPage_ = 0;
    QString currentHint_;
    QStringList saveFailures_; // of the close in progress
    // A page's setting, or its default while no page has bound or been given it.
    int pageSetting(PageSetting which) const;
};
