#include "compare/ui/ComparePage.h"

#include "compare/ComparisonOrder.h"
#include "compare/ComparisonTable.h"
#include "compare/ComparisonTableReader.h"
#include "compare/ui/ComparisonListModel.h"
#include "compare/ui/ComparisonListView.h"
#include "compare/ui/CopyRowsAction.h"
#include "controls/ControlStyles.h"
#include "controls/TSwitchButton.h"
#include "desktop/ActionPlanRun.h"
#include "desktop/Dialogs.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/ListItemActions.h"
#include "desktop/PageServices.h"
#include "desktop/PageSheet.h"
#include "desktop/PathInput.h"
#include "desktop/PathServices.h"
#include "desktop/ProgressPanel.h"
#include "desktop/RefusalWords.h"
#include "desktop/RunScope.h"
#include "desktop/ScanCacheService.h"
#include "desktop/StatusBar.h"
#include "desktop/TFolderFileDlg.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kTopBarHeight = 34;
constexpr int kPathATop = 38;
constexpr int kPathBTop = 64;
constexpr int kListTop = 92;

struct ColumnLayout
{
    int width, minWidth, maxWidth; // width 0: sized to fit; maxWidth 0: unlimited
};
constexpr ColumnLayout kColumns[ComparisonListModel::ColumnCount] = {
    {0, 100, 0}, {0, 100, 0}, {60, 60, 100}, {60, 60, 120}, {100, 50, 0}, {80, 30, 100},
};

} // namespace

ComparePage::ComparePage(QWidget& sheet, const PageServices& services)
    : QWidget(&sheet), services_(services), progress_(services.progressPanel),
      engine_(services.filters, progress_), sort_(ComparisonListModel::ColumnCount)
{
    setObjectName(QStringLiteral("ComparePage"));
    FillTabSheet(sheet, *this);

    buildTopBar();
    const QString pathHint = tr("比較するフォルダ、ファイルをフルパス名で入力");
    PathA = new PathInput(*this, services_,
                          {.edit = QStringLiteral("Edit1"),
                           .comboBox = QStringLiteral("ComboBox1"),
                           .button = QStringLiteral("SpeedButton1"),
                           .historyNumber = 1,
                           .editName = tr("パス A"),
                           .comboBoxName = tr("履歴 A"),
                           .hint = pathHint,
                           .buttonCaption = QStringLiteral("A"),
                           .buttonHint = tr("参照")});
    PathB = new PathInput(*this, services_,
                          {.edit = QStringLiteral("Edit2"),
                           .comboBox = QStringLiteral("ComboBox2"),
                           .button = QStringLiteral("SpeedButton2"),
                           .historyNumber = 2,
                           .editName = tr("パス B"),
                           .comboBoxName = tr("履歴 B"),
                           .hint = pathHint,
                           .buttonCaption = QStringLiteral("B"),
                           .buttonHint = tr("参照")});
    PathA->place(4, kPathATop);
    PathB->place(4, kPathBTop);
    for (PathInput* input : {PathA, PathB}) {
        connect(input->Button, &QToolButton::clicked, this,
                [this, input] { SpeedButton1Click(*input); });
        connect(input->Edit, &QLineEdit::returnPressed, this, &ComparePage::SwitchButton1Click);
    }
    model_ = new ComparisonListModel(engine_, services.listLook, services.paths.icons(), this);
    buildList();

    services.registrations.setProgressPanelHost(Page::Compare, *Panel2);
    services.registrations.addDropHandler(Page::Compare,
                                          [this](const QString& path, const QWidget* target) {
                                              drop_.drop(path, target, *PathA->Edit, *PathB->Edit);
                                          });
    services.registrations.addResizeHandler([this](int width) {
        PathA->FormResize(width);
        PathB->FormResize(width);
    });
}

void ComparePage::buildTopBar()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));

    SwitchButton1 = createSwitchButton(QStringLiteral("SwitchButton1"), Panel2);
    SwitchButton1->setAccessibleName(SwitchButton1->Caption());
    SetHint(*SwitchButton1, tr("比較の開始|ファイルの比較を開始します。"));
    SwitchButton1->setGeometry(4, 4, 75, 25);
    connect(SwitchButton1, &TSwitchButton::clicked, this, &ComparePage::SwitchButton1Click);

    CheckBox3 = new QCheckBox(tr("内容を比較する"), Panel2);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox3->setGeometry(92, 7, std::max(120, CheckBox3->sizeHint().width()), 20);
    connect(CheckBox3, &QCheckBox::toggled, this, &ComparePage::CheckBox3Click);

    CheckBox4 = new QCheckBox(tr("グラフ"), Panel2);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    SetHint(*CheckBox4, tr("一致比率のグラフ表示"));
    CheckBox4->setGeometry(CheckBox3->geometry().right() + 5, 7,
                           std::max(70, CheckBox4->sizeHint().width()), 20);
    CheckBox4->setEnabled(false);
    connect(CheckBox4, &QCheckBox::toggled, this, &ComparePage::CheckBox4Click);

    SpeedButton16 = new QToolButton(Panel2);
    SpeedButton16->setObjectName(QStringLiteral("SpeedButton16"));
    SpeedButton16->setText(QStringLiteral("A⇔B"));
    SpeedButton16->setAccessibleName(tr("AとBの入換"));
    SetHint(*SpeedButton16, tr("AとBの入換|AとBの比較先を入れ換える"));
    SpeedButton16->setGeometry(CheckBox4->geometry().right() + 7, 5, 44, 24);
    connect(SpeedButton16, &QToolButton::clicked, this, &ComparePage::SpeedButton16Click);
}

void ComparePage::buildList()
{
    ListView2 = new ComparisonListView(*model_, services_.icons, this);
    ListView2->setObjectName(QStringLiteral("ListView2"));
    ListView2->setAccessibleName(tr("比較結果"));
    TMyListViewHeader* header = ListView2->GetColumnHandle();
    for (int column = 0; column < ComparisonListModel::ColumnCount; ++column) {
        const ColumnLayout& layout = kColumns[column];
        if (layout.width > 0)
            header->resizeSection(column, layout.width);
        header->setColumnWidthLimits(column, layout.minWidth, layout.maxWidth);
    }
    // The narrow columns show their captions whole beside a sort marker, and the
    // relation columns every word of theirs (the attributes' with a few letters).
    const quorvex::ComparisonWords& words = model_->words();
    for (const std::string* word : {&words.larger, &words.smaller, &words.same})
        ListView2->widenColumnToFit(2, ShownText(*word));
    for (const std::string* word : {&words.newer, &words.older, &words.same})
        ListView2->widenColumnToFit(3, ShownText(*word));
    ListView2->widenColumnToFit(4, ShownText(words.same + "  A/H/R"));
    ListView2->widenColumnToFit(5, QString());

    buildPopupMenu();
    connect(ListView2, &TMyListView::columnClick, this, &ComparePage::ListView2ColumnClick);
    connect(ListView2, &ComparisonListView::statusText, this,
            [this](const QString& text) { services_.status.setText(0, text); });
    connect(ListView2, &ComparisonListView::resized, this, &ComparePage::ListView2Resize);
    connect(ListView2, &ComparisonListView::viewportWidthChanged, this,
            &ComparePage::fitNameColumns);
}

void ComparePage::buildPopupMenu()
{
    Actions =
        new ListItemActions(*ListView2, {services_.window, services_.dialogs, services_.icons},
                            [this](int row) {
                                return quorvex::ComparisonItemPath(
                                    engine_.rows(), model_->row(row), ListView2->ClickedSide(),
                                    model_->RootA(), model_->RootB());
                            },
                            {"PopupMenu3", "N3", "N6", "A1", "Copy1", "Delete1", "N2", "Property2",
                             "SaveList1", "OpenList1"});
    Actions->setListTable(tr("比較結果.tsv"),
                          [this] { return quorvex::ComparisonTable(engine_, model_->words()); });
    Actions->setListOpener([this](std::string_view text) { return openList(text); });
    PopupMenu3 = Actions->Menu;
    N3 = Actions->OpenFolder;
    A1 = Actions->SelectAll;
    Copy1 = Actions->Copy;
    Delete1 = Actions->Delete;
    Actions->setDeleteMovesToTrash();
    Property2 = Actions->Properties;
    connect(Delete1, &QAction::triggered, this, &ComparePage::Delete1Click);

    const auto copyItem = [this](const char* name, const QString& caption,
                                 quorvex::CopyChoice choice) {
        QAction* item = new QAction(caption, PopupMenu3);
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [this, choice] { CopyRowsClick(choice); });
        return item;
    };
    CopyToB1 = copyItem("CopyToB1", tr("A→B にコピー"), quorvex::CopyChoice::AToB);
    CopyToA1 = copyItem("CopyToA1", tr("B→A にコピー"), quorvex::CopyChoice::BToA);
    Update1 = copyItem("Update1", tr("新しい方で上書き"), quorvex::CopyChoice::UpdateBoth);
    KeepVersions1 = new QAction(tr("上書きされるファイルを日時付きの名前で残す"), PopupMenu3);
    KeepVersions1->setObjectName(QStringLiteral("KeepVersions1"));
    KeepVersions1->setCheckable(true);
    const QList<QAction*> items = PopupMenu3->actions();
    QAction* afterDelete = items.value(items.indexOf(Delete1) + 1);
    QAction* separator = new QAction(PopupMenu3);
    separator->setSeparator(true);
    separator->setObjectName(QStringLiteral("N10"));
    PopupMenu3->insertActions(afterDelete, {separator, CopyToB1, CopyToA1, Update1, KeepVersions1});

    N9 = new QAction(ImageList1Icon(imagelist1::ListOrder), tr("リストの並びを戻す"), PopupMenu3);
    N9->setObjectName(QStringLiteral("N9"));
    PopupMenu3->insertAction(Property2, N9);
    connect(N9, &QAction::triggered, this, &ComparePage::RestoreComparisonOrder);
    Actions->openWhenAsked(*ListView2, [this] { PopupMenu3Popup(); });
}

void ComparePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Panel2->setGeometry(0, 0, width(), kTopBarHeight);
    ListView2->setGeometry(0, kListTop, width(), std::max(0, height() - kListTop));
}

// The two name columns share what the fixed columns leave of the room beside the
// scroll bar, so no cell hides under it.
void ComparePage::fitNameColumns()
{
    int fixed = 0;
    for (int column = 2; column < ComparisonListModel::ColumnCount; ++column)
        fixed += ListView2->columnWidth(column);
    const int nameWidth = std::max(100, (ListView2->viewport()->width() - fixed) / 2);
    ListView2->setColumnWidth(0, nameWidth);
    ListView2->setColumnWidth(1, nameWidth);
}

void ComparePage::SwitchButton1Click()
{
    if (services_.registrations.currentPage() == Page::Compare && !services_.isBusy())
        StartComparison();
}

void ComparePage::StartComparison()
{
    const QString pathA = PathA->text(), pathB = PathB->text();
    model_->ClearResultList();
    model_->setCaption(0, QString());
    model_->setCaption(1, QString());
    const RunScope run(progress_, services_.runs);
    sort_.clearMarker(*ListView2);

    engine_.setCache(CheckBox3->isChecked() ? services_.scanCache.forSearch() : nullptr);
    const quorvex::ComparisonOutcome outcome =
        engine_.StartComparison(PathA->path(), PathB->path(), CheckBox3->isChecked());
    if (const QString notice = services_.scanCache.takeNotice(); !notice.isEmpty())
        services_.dialogs.showMessage(&services_.window, notice);
    if (outcome.carriedOut) {
        showComparison();
        PathA->AddToHistory(pathA);
        PathB->AddToHistory(pathB);
        progress_.finish();
    }
    if (!outcome.carriedOut)
        services_.dialogs.showWarning(&services_.window, RefusalWords::text(outcome.refusal));
}

void ComparePage::showComparison()
{
    services_.paths.icons().clearIconCache();
    model_->setCaption(0, ShownText(engine_.captionA()));
    model_->setCaption(1, ShownText(engine_.captionB()));
    model_->setCaption(5, ShownText(engine_.contentHeader(model_->words())));
    model_->showRows();
    sort_.clearMarker(*ListView2);
}

OpenedList ComparePage::openList(std::string_view text)
{
    if (std::string error = quorvex::ReadComparisonTable(text, PathA->path(), PathB->path(),
                                                         model_->words(), engine_);
        !error.empty())
        return {std::move(error)};
    showComparison();
    return {{},
            static_cast<std::size_t>(std::ranges::count_if(
                engine_.rows().records(), [](const quorvex::ComparisonRow& row) {
                    return row.check() != quorvex::DiskCheck::AsListed;
                }))};
}

void ComparePage::SpeedButton1Click(PathInput& input)
{
    TFolderFileDlg dialog(input.text(), services_.dialogs, &services_.window);
    dialog.exec();
    if (!dialog.ChosenPath().isEmpty())
        input.setText(dialog.ChosenPath());
}

void ComparePage::SpeedButton16Click()
{
    // The paths belong to the run while one goes on.
    if (services_.isBusy())
        return;
    const QString a = PathA->text();
    PathA->setText(PathB->text());
    PathB->setText(a);
}

void ComparePage::CheckBox3Click()
{
    const bool checked = CheckBox3->isChecked();
    CheckBox4->setEnabled(checked);
    ListView2->setShowsGraph(CheckBox4->isChecked() && checked);
    model_->setCompareContents(checked);
    // Only the rows shown: a running comparison fills rows the view does not show yet.
    for (int row = 0; row < model_->rowCount(); ++row)
        engine_.rows()[static_cast<std::size_t>(row)].showContent(checked);
    model_->rowsChanged();
}

void ComparePage::CheckBox4Click()
{
    ListView2->setShowsGraph(CheckBox4->isChecked() && CheckBox4->isEnabled());
}

void ComparePage::ListView2ColumnClick(int column)
{
    if (services_.isBusy())
        return;
    const int direction = sort_.takeDirection(column);
    quorvex::ComparisonList& rows = engine_.rows();
    if (column == 0)
        quorvex::SortComparisonRowsByName(rows, static_cast<quorvex::SortKey>(direction),
                                          model_->words());
    else
        quorvex::SortComparisonRowsByCell(rows, quorvex::MakeSortKey(column - 1, direction != 0),
                                          model_->words());
    sort_.markSorted(*ListView2, column, direction);
    AnnounceNewRowOrder(*model_);
}

void ComparePage::RestoreComparisonOrder()
{
    if (services_.isBusy())
        return;
    // A run of its own: a long list is put in order with the window answering, and
    // Cancel leaves the order as it was.
    bool restored = false;
    {
        const RunScope run(progress_, services_.runs);
        restored = quorvex::RestoreComparisonOrder(engine_.rows(), [this] {
            progress_.pumpMessages();
            return !progress_.cancelRequested();
        });
    }
    if (!restored)
        return;
    sort_.clearMarker(*ListView2);
    AnnounceNewRowOrder(*model_);
}

void ComparePage::ListView2Resize()
{
    if (services_.window.isVisible())
        sort_.reapplyMarker(*ListView2);
}

void ComparePage::PopupMenu3Popup()
{
    const bool idle = !services_.isBusy();
    const quorvex::ComparisonRow* row = model_->row(ListView2->selectedRow());
    const bool usable =
        idle && row && quorvex::RowHasSide(engine_.rows(), *row, ListView2->ClickedSide());
    for (QAction* action : {N3, Copy1, Delete1})
        action->setVisible(usable);
    // Copies take the selected rows whichever side was clicked.
    for (QAction* action : {CopyToB1, CopyToA1, Update1, KeepVersions1})
        action->setVisible(idle && row);
    Property2->setEnabled(usable);
    N9->setEnabled(model_->rowCount() > 0);
    A1->setEnabled(N9->isEnabled());
    Actions->SaveList->setEnabled(N9->isEnabled());
    // While a run is in progress the list's order and selection stay as they are.
    N9->setVisible(idle);
    A1->setVisible(idle);
    Actions->SaveList->setVisible(idle);
    Actions->OpenList->setVisible(idle);
}

void ComparePage::Delete1Click()
{
    const int side = ListView2->ClickedSide();
    if ((side != 0 && side != 1) || services_.isBusy())
        return;
    quorvex::ActionPlan plan;
    std::vector<int> rows; // the selected rows without an item: gone too once it ran
    for (int row : SelectedRowNumbers(*ListView2)) {
        // A row of an opened list that is not as listed stays as it is.
        if (model_->row(row)->check() != quorvex::DiskCheck::AsListed)
            continue;
        if (std::optional<quorvex::PlannedAction> item = quorvex::ComparisonTrashItem(
                engine_.rows(), model_->row(row), side, model_->RootA(), model_->RootB())) {
            item->row = static_cast<std::size_t>(row);
            plan.items.push_back(std::move(*item));
        } else {
            rows.push_back(row);
        }
    }
    const PlanRunResult result = ConfirmAndRunPlan(services_, progress_, plan);
    if (!result.confirmed)
        return;
    for (std::size_t i = 0; i < plan.items.size(); ++i)
        if (result.outcomes[i].done)
            rows.push_back(static_cast<int>(plan.items[i].row));
    std::sort(rows.begin(), rows.end());
    quorvex::MarkDeletedOnSide(engine_.rows(), rows,
                               side == 1 ? quorvex::Side::B : quorvex::Side::A);
    model_->rowsChanged();
    if (!progress_.windowClosing())
        OfferEmptyFolderSearch(services_, plan, result.outcomes,
                               side == 1 ? model_->RootB() : model_->RootA());
}

void ComparePage::CopyRowsClick(quorvex::CopyChoice choice)
{
    if (services_.isBusy())
        return;
    std::vector<std::size_t> rows;
    for (int row : SelectedRowNumbers(*ListView2))
        // A row of an opened list that is not as listed stays as it is.
        if (model_->row(row)->check() == quorvex::DiskCheck::AsListed)
            rows.push_back(static_cast<std::size_t>(row));
    const auto keeping = KeepVersions1->isChecked() ? quorvex::ReplacedKeeping::Versioned
                                                    : quorvex::ReplacedKeeping::Trash;
    if (CopyComparisonRows(services_, progress_, engine_, rows, {choice, keeping},
                           CheckBox3->isChecked()))
        model_->rowsChanged();
}
