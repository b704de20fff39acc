#include "empty/ui/EmptyItemsPage.h"

#include "controls/ControlStyles.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "desktop/BatchConfirmation.h"
#include "desktop/BatchPrompts.h"
#include "desktop/BrowseForFolder.h"
#include "desktop/ConfirmationBox.h"
#include "desktop/Hint.h"
#include "desktop/ListItemActions.h"
#include "desktop/PageServices.h"
#include "desktop/PageSheet.h"
#include "desktop/PathServices.h"
#include "desktop/PlanDetails.h"
#include "desktop/RunScope.h"
#include "desktop/StatusBar.h"
#include "desktop/TrashListStore.h"
#include "empty/EmptyItemDeletion.h"
#include "empty/EmptyItemSearch.h"
#include "empty/EmptyItemTable.h"
#include "empty/EmptyItemTableReader.h"
#include "empty/ui/EmptyItemColumns.h"
#include "empty/ui/EmptyItemListModel.h"
#include "empty/ui/EmptyItemListView.h"
#include "empty/ui/FindAnimation.h"
#include "platform/FileSystem.h"
#include "platform/desktop/ShownText.h"

#include <algorithm>

namespace {

constexpr int kTopBarHeight = 33;
// SwitchButton5's captions: choosing the folder and starting, stopping a search.
const char* const kStartCaption = QT_TRANSLATE_NOOP("EmptyItemsPage", "設定／開始");
const char* const kStopCaption = QT_TRANSLATE_NOOP("EmptyItemsPage", "中止");

struct ColumnLayout
{
    int width, minWidth, maxWidth; // width 0: fills the rest; maxWidth 0: unlimited
};
constexpr ColumnLayout kColumns[EmptyItemListModel::ColumnCount] = {
    {200, 50, 0}, {150, 50, 0}, {70, 50, 80}, {0, 50, 0}};

} // namespace

EmptyItemsPage::EmptyItemsPage(QWidget& sheet, const PageServices& services)
    : QWidget(&sheet), services_(services),
      model_(new EmptyItemListModel(services.paths.icons(), this)),
      sort_(EmptyItemListModel::ColumnCount)
{
    setObjectName(QStringLiteral("EmptyItemsPage"));
    // "名前" sorts descending first, as it does after every search.
    sort_.setNextDirection(0, 0);
    FillTabSheet(sheet, *this);

    buildTopBar();
    buildList();
    indicator_ =
        std::make_unique<SearchIndicator>(*Animate2, *SwitchButton5, *ListView1->viewport());
    progress_ = std::make_unique<RunIndicatorObserver>(*indicator_);
    services.registrations.setEmptyItemSearch(
        [this](const QString& folder) { SearchOfferedFolder(folder); });
}

void EmptyItemsPage::buildTopBar()
{
    Panel9 = new QWidget(this);
    Panel9->setObjectName(QStringLiteral("Panel9"));

    SwitchButton5 = createSwitchButton(QStringLiteral("SwitchButton5"), Panel9);
    SwitchButton5->setGeometry(4, 4,
                               std::max({96, SwitchButton5->widthForCaption(tr(kStartCaption)),
                                         SwitchButton5->widthForCaption(tr(kStopCaption))}),
                               25);
    SwitchButton5->setAccessibleName(SwitchButton5->Caption());
    SetHint(*SwitchButton5, tr("設定と開始|調べるフォルダの設定と検索の開始"));
    connect(SwitchButton5, &TSwitchButton::clicked, this, &EmptyItemsPage::SwitchButton5Click);

    SwitchButton6 = createSwitchButton(QStringLiteral("SwitchButton6"), Panel9);
    SwitchButton6->setGeometry(SwitchButton5->geometry().right() + 5, 4, 68, 25);
    SwitchButton6->setAccessibleName(SwitchButton6->Caption());
    SetHint(*SwitchButton6,
            tr("ファイルの削除|選択しているリストのファイルをディスクから削除します。"));
    connect(SwitchButton6, &TSwitchButton::clicked, this, &EmptyItemsPage::DeleteEmptyItems);

    Animate2 = new FindAnimation(Panel9);
    Animate2->setObjectName(QStringLiteral("Animate2"));
    Animate2->move(SwitchButton6->geometry().right() + 9, 8);
    Animate2->hide();

    Panel10 = new TextPanel(Panel9);
    Panel10->setObjectName(QStringLiteral("Panel10"));
    Panel10->setAccessibleName(tr("個数"));
    Panel10->setGeometry(SwitchButton6->geometry().right() + 33, 4, 120, 25);
}

void EmptyItemsPage::buildList()
{
    ListView1 = new EmptyItemListView(*model_, services_.icons, this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(tr("空の項目"));
    TMyListViewHeader* header = ListView1->GetColumnHandle();
    for (int column = 0; column < EmptyItemListModel::ColumnCount; ++column) {
        const ColumnLayout& layout = kColumns[column];
        if (layout.width > 0)
            header->resizeSection(column, layout.width);
        header->setColumnWidthLimits(column, layout.minWidth, layout.maxWidth);
    }
    header->fitCaptions();
    header->setStretchLastSection(true);

    connect(ListView1, &TMyListView::columnClick, this, &EmptyItemsPage::ListView1ColumnClick);
    connect(ListView1, &EmptyItemListView::resized, this, &EmptyItemsPage::ListView1Resize);
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.isEmpty())
                    ListView1SelectItem(selected.last().bottom());
            });
    buildPopupMenu();
}

void EmptyItemsPage::buildPopupMenu()
{
    Actions =
        new ListItemActions(*ListView1, {services_.window, services_.dialogs, services_.icons},
                            [this](int row) {
                                const quorvex::EmptyItemRecord* record = model_->record(row);
                                return record ? record->Path : std::string();
                            },
                            {"PopupMenu2", "N5", "N8", "A3", "Copy3", "DeleteMenu", "N1",
                             "Property1", "SaveList3", "OpenList3"});
    Actions->setListTable(tr("空の項目.tsv"), [this] {
        return quorvex::EmptyItemTable(model_->EmptyItemList(), TextBytes(Panel10->text()));
    });
    Actions->setListOpener([this](std::string_view text) { return openList(text); });
    PopupMenu2 = Actions->Menu;
    N5 = Actions->OpenFolder;
    A3 = Actions->SelectAll;
    Copy3 = Actions->Copy;
    DeleteMenu = Actions->Delete;
    Property1 = Actions->Properties;
    DeleteMenu->setStatusTip(tr("選択しているリストのファイルをディスクから削除します。"));
    connect(DeleteMenu, &QAction::triggered, this, &EmptyItemsPage::DeleteEmptyItems);

    Actions->openWhenAsked(*ListView1, [this] { PopupMenu2Popup(); });
}

void EmptyItemsPage::PopupMenu2Popup()
{
    Actions->enableItems(FirstSelectedRow(*ListView1) >= 0 && !services_.isBusy(),
                         !services_.isBusy());
}

void EmptyItemsPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Panel9->setGeometry(0, 0, width(), kTopBarHeight);
    ListView1->setGeometry(0, kTopBarHeight, width(), std::max(0, height() - kTopBarHeight));
}

void EmptyItemsPage::setSwitchButton5Caption(const QString& caption)
{
    SwitchButton5->setCaption(caption);
    SwitchButton5->setAccessibleName(caption);
}

void EmptyItemsPage::SwitchButton5Click()
{
    if (SwitchButton5->Down() && !services_.isBusy()) {
        const QString folder =
            BrowseForFolder(services_.dialogs, &services_.window,
                            tr("調べるフォルダを選択して下さい"), LastEmptySearchFolder_);
        const std::string path = TextBytes(folder);
        if (!folder.isEmpty() && quorvex::platform::IsExistingFolder(path))
            SearchFolder(folder, path);
    }
    endSearchButton();
}

void EmptyItemsPage::SearchOfferedFolder(const QString& folder)
{
    if (services_.isBusy())
        return;
    const std::string path = TextBytes(folder);
    if (quorvex::platform::IsExistingFolder(path))
        SearchFolder(folder, path);
    endSearchButton();
}

void EmptyItemsPage::endSearchButton()
{
    // Also after a click during a search (which stops it): the button ends up, never down.
    setSwitchButton5Caption(tr(kStartCaption));
    SwitchButton5->setDown(false);
    SwitchButton6->setEnabled(true);
}

void EmptyItemsPage::SearchFolder(const QString& folder, const std::string& path)
{
    setSwitchButton5Caption(tr(kStopCaption));
    SwitchButton6->setEnabled(false);
    LastEmptySearchFolder_ = folder;
    const RunScope run(*progress_, services_.runs);
    model_->ClearResultList();

    std::size_t counter = 0;
    quorvex::SearchEmptyItems(path, counter, model_->EmptyItemList(), services_.filters,
                              *progress_);

    quorvex::SortEmptyItemsByName(model_->EmptyItemList());
    model_->showRecords();
    sort_.markSorted(*ListView1, 0, 1);
    // The names are ascending now, so the next click on "名前" sorts descending.
    sort_.setNextDirection(0, 0);
    showCount();
}

OpenedList EmptyItemsPage::openList(std::string_view text)
{
    quorvex::EmptyItemList opened;
    std::string countText;
    if (std::string error = quorvex::ReadEmptyItemTable(text, opened, countText); !error.empty())
        return {std::move(error)};
    model_->ClearResultList();
    model_->EmptyItemList() = std::move(opened);
    model_->showRecords();
    sort_.clearMarker(*ListView1);
    Panel10->setText(ShownText(countText));
    return {{},
            static_cast<std::size_t>(std::ranges::count_if(
                model_->EmptyItemList(), [](const quorvex::EmptyItemRecord& record) {
                    return record.check != quorvex::DiskCheck::AsListed;
                }))};
}

void EmptyItemsPage::ListView1ColumnClick(int column)
{
    if (services_.isBusy() || column < 0 || column >= EmptyItemListModel::ColumnCount)
        return;
    const int direction = sort_.takeDirection(column);
    SortEmptyItems(model_->EmptyItemList(), column, direction == 1);
    sort_.markSorted(*ListView1, column, direction);
    AnnounceNewRowOrder(*model_);
}

void EmptyItemsPage::ListView1Resize()
{
    if (services_.window.isVisible())
        sort_.reapplyMarker(*ListView1);
}

void EmptyItemsPage::ListView1SelectItem(int row)
{
    if (Actions->SelectingAll())
        return;
    if (const quorvex::EmptyItemRecord* record = model_->record(row))
        services_.status.setText(0, ShownText(record->Path));
}

void EmptyItemsPage::DeleteEmptyItems()
{
    if (services_.isBusy())
        return;
    const std::vector<std::size_t> selected = ListView1->selectedRows();
    if (!selected.empty()) {
        const quorvex::ActionPlan plan = quorvex::PlanEmptyItemDeletion(
            model_->EmptyItemList(), selected, quorvex::ActionKind::TrashEmpty);
        BatchConfirmation confirmation(services_.confirmation.box(), PlanDetails(plan));
        std::vector<std::size_t> deleted;
        services_.trash.edit([&](quorvex::TrashList& trash) {
            deleted = quorvex::DeleteEmptyItems(plan, trash, AskEachRow(confirmation),
                                                ShowNotice(services_));
        });
        model_->removeRecords(deleted);
        ListView1->clearSelection();
    }
    showCount();
}

void EmptyItemsPage::showCount()
{
    Panel10->setText(tr("%n 個", nullptr, static_cast<int>(model_->EmptyItemList().size())));
}
