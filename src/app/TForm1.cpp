#include "app/TForm1.h"

#include "actions/ActionRun.h"
#include "app/CloseSequence.h"
#include "app/ColorPanel.h"
#include "app/DefaultColors.h"
#include "app/HintFilter.h"
#include "app/MaskBar.h"
#include "app/Pages.h"
#include "app/SettingsStore.h"
#include "app/TopStrip.h"
#include "controls/AccessibleFactory.h"
#include "controls/ColorRef.h"
#include "controls/ComboBoxAccessible.h"
#include "controls/ControlStyles.h"
#include "controls/TColorProgressBar.h"
#include "controls/TSwitchButton.h"
#include "desktop/Dialogs.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/PageIndex.h"
#include "desktop/ProgressPanel.h"
#include "desktop/StatusBar.h"
#include "help/HelpDocument.h"
#include "help/TWebDlg.h"
#include "platform/AppPaths.h"
#include "platform/PathText.h"
#include "platform/TempJournal.h"
#include "platform/desktop/ShellFileInfo.h"
#include "platform/desktop/ShownText.h"
#include "platform/desktop/SysImageList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int kTopBarHeight = 34;
constexpr int kTimerInterval = 500;

QString versionText()
{
    return QStringLiteral(QUORVEX_VERSION);
}

} // namespace

TForm1::TForm1(Dialogs& dialogs, int colorDepth)
    : dialogs_(dialogs), ColorDepth_(colorDepth), AppTitle_(QApplication::applicationName()),
      ExeDir_(quorvex::platform::ExeDir())
{
    // Screen readers see a frame named by the window title, and drop-downs named as
    // the program names them.
    InstallAccessibleInterface<TForm1, AccessibleWithRole<QAccessible::Window>>();
    InstallComboBoxAccessible();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(AppTitle_);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFixedSize(ClientWidth, ClientHeight);
    setAcceptDrops(true);

    buildTopBar();
    buildPageControl();
    buildProgressPanel();
    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, ClientHeight - StatusBar::BarHeight, ClientWidth,
                            StatusBar::BarHeight);
    StatusBar1->setPathIconProvider([this](const QString& path) { return statusPathIcon(path); });
    hints_ = new HintFilter(*this, *StatusBar1);

    kit_.emplace(ServiceKitSetup{.window = *this,
                                 .dialogs = dialogs_,
                                 .userDataDir = quorvex::platform::UserDataDir(),
                                 .colorDepth = ColorDepth_,
                                 .status = *StatusBar1,
                                 .progressPanel = *Panel5_,
                                 .filters = filterSettings_,
                                 .useScanCache = quorvex::app::ReadCacheUse(TextBytes(AppTitle_))});
    registrations().setPageShower(
        [this](Page page) { PageControl1->setCurrentIndex(PageIndex(page)); });
    BuildPages(sheets_, services());
    applyDefaultColors();

    PageControl1->setCurrentIndex(PageIndex(Page::Compare));
    PageControl1Change();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimerInterval);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    registrations().runStores(StateStore::Histories, true);
    FormCreate();
}

TForm1::~TForm1()
{
    // Pages go first, while the state they may use still exists; Panel5 belongs to
    // the window, not to the page it is shown on.
    Panel5_->setParent(this);
    delete PageControl1;
}

int TForm1::ScreenColorDepth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

void TForm1::buildTopBar()
{
    Panel3 = new QFrame(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(0, 0, ClientWidth, kTopBarHeight);

    SwitchButton2 = createSwitchButton(QStringLiteral("SwitchButton2"), Panel3);
    SwitchButton2->setCaption(QStringLiteral("Version"));
    SwitchButton2->setAccessibleName(QStringLiteral("Version"));
    SetHint(*SwitchButton2, tr("バージョン情報"));
    SwitchButton2->setGeometry(4, 4, 75, 25);
    connect(SwitchButton2, &TSwitchButton::clicked, this, &TForm1::SwitchButton2Click);

    SwitchButton3 = createSwitchButton(QStringLiteral("SwitchButton3"), Panel3);
    SwitchButton3->setCaption(tr("終了"));
    SwitchButton3->setAccessibleName(tr("終了"));
    SwitchButton3->setGeometry(84, 4, 75, 25);
    connect(SwitchButton3, &TSwitchButton::clicked, this, &QWidget::close);

    Panel4 = new MaskBar(Panel3, filterSettings_);
    Panel4->setGeometry(180, 4, 560, 26);

    SpeedButton5 = new QToolButton(Panel3);
    SpeedButton5->setObjectName(QStringLiteral("SpeedButton5"));
    SpeedButton5->setAccessibleName(QStringLiteral("Help"));
    SetHint(*SpeedButton5, QStringLiteral("Help"));
    SpeedButton5->setIcon(
        QIcon(ImageList1Glyph(imagelist1::Help, palette().color(QPalette::Button))));
    SpeedButton5->setGeometry(ClientWidth - 30, 5, 25, 25);
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
}

void TForm1::buildPageControl()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    const int top = kTopBarHeight;
    PageControl1->setGeometry(0, top, ClientWidth, ClientHeight - top - StatusBar::BarHeight);
    for (std::size_t index = 0; index < kPageDescriptions.size(); ++index) {
        const PageDescription& page = kPageDescriptions[index];
        QWidget*& sheet = sheets_[index];
        sheet = new QWidget;
        sheet->setObjectName(QString::fromLatin1(page.sheetName));
        if (page.tabPicture == kNoTabPicture)
            PageControl1->addTab(sheet, CaptionOf(page));
        else
            PageControl1->addTab(sheet, ImageList1Icon(page.tabPicture), CaptionOf(page));
    }
    // A refused change is undone before anything else sees it.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (index == shownPage_)
            return;
        if (!PageControl1Changing()) {
            const QSignalBlocker blocker(PageControl1);
            PageControl1->setCurrentIndex(shownPage_);
            return;
        }
        shownPage_ = index;
        PageControl1Change();
    });
}

void TForm1::buildProgressPanel()
{
    Panel5_ = new ProgressPanel(this, [this](const QString& times) { setStatusText(0, times); });
    new TopStrip(*Panel5_);
}

void TForm1::applyDefaultColors()
{
    const quorvex::app::DefaultColors defaults = quorvex::app::DefaultColorsForDepth(ColorDepth_);
    if (defaults.progressBar)
        Panel5_->ColorProgressBar1->setBarColor(fromColorRef(*defaults.progressBar));
    if (defaults.hint) {
        QPalette tips = QToolTip::palette();
        tips.setColor(QPalette::ToolTipBase, fromColorRef(*defaults.hint));
        QToolTip::setPalette(tips);
    }
}

void TForm1::FormCreate()
{
    qApp->installEventFilter(hints_);
    Panel4->ReadMaskSets();
    ReadSettings();
    registrations().runStores(StateStore::TrashList, true);
    // What a run of actions killed before its end left beside users' files.
    quorvex::platform::RemoveLeftoversOfRuns(quorvex::ActionJournalFolder(services().userDataDir));
}

void TForm1::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TForm1::FormClose()
{
    CloseSequence(dialogs_, *this, registrations(), kit_->saveFailures(), [this] {
        WriteSettings();
    }).run();
}

bool TForm1::PageControl1Changing() const
{
    return !isBusy();
}

void TForm1::PageControl1Change()
{
    registrations().pageChanged(PageControl1->currentIndex());
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm1::FormResize()
{
    StatusBar1->setPanelWidth(0, width() - StatusBar1->panelWidth(1));
    registrations().resized(width());
}

QString TForm1::WantedTitle(const QString& appTitle, bool windowShown, bool progressShown,
                            int percent)
{
    if (!windowShown && progressShown)
        return QString::number(percent) + QStringLiteral("% ") + appTitle;
    return appTitle;
}

void TForm1::Timer1Timer()
{
    const bool shown = isVisible() && !isMinimized();
    const QString wanted =
        WantedTitle(AppTitle_, shown, !Panel5_->isHidden(), Panel5_->ColorProgressBar1->ParValue());
    if (windowTitle() != wanted)
        setWindowTitle(wanted);
}

void TForm1::SwitchButton2Click()
{
    dialogs_.showMessage(this, AppTitle_ + QStringLiteral("\nVersion ") + versionText() +
                                   QStringLiteral("\nCopyright (C) Vorle"));
}

// Every click opens another help window at the section of the page in view.
void TForm1::SpeedButton5Click()
{
    const int last = static_cast<int>(kPageDescriptions.size()) - 1;
    const auto page = static_cast<std::size_t>(std::clamp(PageControl1->currentIndex(), 0, last));
    const char* anchor = kPageDescriptions[page].helpAnchor;
    auto* help = new TWebDlg(HelpAddress(ExeDir_, QString::fromLatin1(anchor)), this);
    help->setWindowIcon(ImageList1Icon(imagelist1::Help));
    help->setWindowTitle(QStringLiteral("Help"));
    help->show();
}

// The small icon before a path in status panel 0: the item's own icon, else that of
// its kind (a file with its extension, or a folder).
QIcon TForm1::statusPathIcon(const QString& path)
{
    SysImageList& icons = services().icons;
    ShellFileInfo info = QueryFileInfo(icons, TextBytes(path), false);
    if (!info.found) {
        const QString name = ShownText(quorvex::platform::LastComponent(TextBytes(path)));
        const qsizetype dot = name.lastIndexOf(u'.');
        info = dot >= 0 ? QueryTypeInfo(icons, false, name.mid(dot), false)
                        : QueryTypeInfo(icons, true, QString(), false);
    }
    return icons.icon(info.iconIndex);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            registrations().dropped(QDir::toNativeSeparators(url.toLocalFile()),
                                    childAt(event->position().toPoint()));
            event->acceptProposedAction();
            return;
        }
    }
}

void TForm1::setStatusText(int panel, const QString& text)
{
    StatusBar1->setText(panel, text);
}

QString TForm1::statusText(int panel) const
{
    return StatusBar1->text(panel);
}
