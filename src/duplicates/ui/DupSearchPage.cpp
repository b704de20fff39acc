#include "duplicates/ui/DupSearchPage.h"

#include "controls/ControlStyles.h"
#include "controls/TColorProgressBar.h"
#include "controls/TNewTrackBar.h"
#include "controls/TSwitchButton.h"
#include "desktop/ActionPlanRun.h"
#include "desktop/BrowseForFolder.h"
#include "desktop/ColumnSort.h"
#include "desktop/Dialogs.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/ListItemActions.h"
#include "desktop/PageServices.h"
#include "desktop/PageSheet.h"
#include "desktop/PathDrops.h"
#include "desktop/PathInput.h"
#include "desktop/PathServices.h"
#include "desktop/ProgressPanel.h"
#include "desktop/RefusalWords.h"
#include "desktop/RunScope.h"
#include "desktop/ScanCacheService.h"
#include "desktop/StatusBar.h"
#include "duplicates/DupSearch.h"
#include "duplicates/DupSelection.h"
#include "duplicates/DupTable.h"
#include "duplicates/DupTableReader.h"
#include "duplicates/ui/DupListModel.h"
#include "duplicates/ui/DupListView.h"
#include "duplicates/ui/DupWords.h"
#include "duplicates/ui/FolderResults.h"
#include "duplicates/ui/PicturePreview.h"
#include "platform/FileSystem.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QStringList>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPanelHeight = 88;
constexpr int kGroupColumnWidth = 50;

QString thresholdCaption(int position)
{
    return DupSearchPage::tr("敷居値 %1%").arg(position);
}

} // namespace

DupSearchPage::DupSearchPage(QWidget& sheet, const PageServices& services)
    : QWidget(&sheet), services_(services), progress_(services.progressPanel)
{
    setObjectName(QStringLiteral("DupSearchPage"));
    FillTabSheet(sheet, *this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    buildTopBar();
    buildList();
    buildPopupMenu();
    layout->addWidget(Panel14);
    auto* filesRow = new QHBoxLayout;
    filesRow->setSpacing(0);
    filesRow->addWidget(ListView4, 1);
    Preview = new PicturePreview(this);
    filesRow->addWidget(Preview);
    showPreviewPane(false);
    layout->addLayout(filesRow, 1);
    Folders = new FolderResults(*this, services_, progress_);
    layout->addWidget(Folders->ListView5, 1);
    Folders->ListView5->hide();
    connect(FolderUnitCheck, &QCheckBox::toggled, this, [this](bool byFolder) {
        ListView4->setVisible(!byFolder);
        if (byFolder)
            showPreviewPane(false);
        Folders->ListView5->setVisible(byFolder);
        FileInput->Edit->setEnabled(!byFolder);
    });

    services.registrations.setProgressPanelHost(Page::Duplicates, *Panel14);
    services.registrations.addDropHandler(
        Page::Duplicates, [this](const QString& path, const QWidget*) {
            DropFileOrFolder(path, *FileInput->Edit, *FolderInput->Edit);
        });
    services.registrations.bindSetting(
        PageSetting::Threshold, [this] { return NewTrackBar1->value(); },
        [this](int value) { NewTrackBar1->setValue(value); });
    services.registrations.addResizeHandler([this](int width) {
        FileInput->FormResize(width);
        FolderInput->FormResize(width);
    });
}

void DupSearchPage::buildTopBar()
{
    Panel14 = new QFrame(this);
    Panel14->setObjectName(QStringLiteral("Panel14"));
    Panel14->setFixedHeight(kPanelHeight);

    SwitchButton8 = createSwitchButton(QStringLiteral("SwitchButton8"), Panel14);
    SwitchButton8->setAccessibleName(SwitchButton8->Caption());
    SwitchButton8->setGeometry(8, 3, 75, 25);
    SetHint(*SwitchButton8, tr("検索の開始|ファイルの検索を開始します。"));
    connect(SwitchButton8, &TSwitchButton::clicked, this, &DupSearchPage::SwitchButton8Click);

    NewTrackBar1 = createNewTrackBar1(Panel14);
    NewTrackBar1->move(100, 3);
    NewTrackBar1->setAccessibleName(tr("敷居値"));
    Label2 = new QLabel(thresholdCaption(NewTrackBar1->value()), Panel14);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(204, 7, 100, 18);
    connect(NewTrackBar1, &QSlider::valueChanged, this, &DupSearchPage::NewTrackBar1Change);
    FolderUnitCheck = new QCheckBox(tr("フォルダ単位"), Panel14);
    FolderUnitCheck->setObjectName(QStringLiteral("FolderUnitCheck"));
    FolderUnitCheck->setGeometry(310, 7, 120, 18);
    PictureCheck = new QCheckBox(tr("画像として比較"), Panel14);
    PictureCheck->setObjectName(QStringLiteral("PictureCheck"));
    PictureCheck->setGeometry(430, 5, 160, 22);
    SetHint(*PictureCheck, tr("画像として比較|大きさや形式、向きが違っても同じ絵の画像を"
                              "重複として探します。"));
    // Folders are compared by their files' bytes: one choice or the other.
    connect(FolderUnitCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            PictureCheck->setChecked(false);
    });
    connect(PictureCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            FolderUnitCheck->setChecked(false);
    });

    FileInput = new PathInput(*Panel14, services_,
                              {.edit = QStringLiteral("Edit3"),
                               .comboBox = QStringLiteral("ComboBox3"),
                               .button = QStringLiteral("SpeedButton3"),
                               .historyNumber = 3,
                               .editName = tr("検索するファイル"),
                               .comboBoxName = tr("履歴 ファイル"),
                               .hint = tr("ファイル|探すファイルをフルパス名で入力"
                                          "(同一ファイルの検索時のみ入力)"),
                               .buttonCaption = QString(),
                               .buttonHint = tr("検索するファイル|右クリックでクリア"),
                               .buttonGlyph = imagelist1::Document});
    FolderInput = new PathInput(*Panel14, services_,
                                {.edit = QStringLiteral("Edit4"),
                                 .comboBox = QStringLiteral("ComboBox4"),
                                 .button = QStringLiteral("SpeedButton4"),
                                 .historyNumber = 4,
                                 .editName = tr("調べるフォルダ"),
                                 .comboBoxName = tr("履歴 フォルダ"),
                                 .hint = tr("フォルダ|探す場所を入力"),
                                 .buttonCaption = QString(),
                                 .buttonHint = tr("調べるフォルダ|指定したフォルダ内を検索"),
                                 .buttonGlyph = imagelist1::Folder});
    FileInput->place(4, 34);
    FolderInput->place(4, 60);
    connect(FileInput->Button, &QToolButton::clicked, this,
            [this] { SpeedButton3Click(*FileInput); });
    connect(FolderInput->Button, &QToolButton::clicked, this,
            [this] { SpeedButton3Click(*FolderInput); });
    for (PathInput* input : {FileInput, FolderInput})
        connect(input->Edit, &QLineEdit::returnPressed, this, &DupSearchPage::SwitchButton8Click);
    // A right press on the file button empties the file field (SpeedButton3MouseDown).
    FileInput->Button->installEventFilter(this);
}

void DupSearchPage::buildList()
{
    model_ = new DupListModel(DupList_, services_.listLook, services_.paths.icons(), this);
    ListView4 = new DupListView(*model_, services_.icons, this);
    ListView4->setObjectName(QStringLiteral("ListView4"));
    ListView4->setAccessibleName(tr("検索結果"));

    TMyListViewHeader* header = ListView4->GetColumnHandle();
    header->setStretchLastSection(false);
    const struct
    {
        int width, minWidth, maxWidth;
    } columns[DupListModel::ColumnCount] = {
        {200, 100, 0}, {60, 50, 70}, {60, 50, 120}, {110, 100, 150}, {200, 50, 0}, {0, 0, 1},
    };
    for (int column = 0; column < DupListModel::ColumnCount; ++column) {
        ListView4->setColumnWidth(column, columns[column].width);
        header->setColumnWidthLimits(column, columns[column].minWidth, columns[column].maxWidth);
    }
    // Sizes up to hundreds of megabytes in bytes and whole dates, in the list's font.
    ListView4->widenColumnToFit(2, QStringLiteral("999,999,999B"));
    ListView4->widenColumnToFit(3, QStringLiteral("0000/00/00 00:00"));
    header->fitCaptions();
    // "Path" takes the width the other columns leave.
    header->setSectionResizeMode(4, QHeaderView::Stretch);
    ListView4->setColumnHidden(DupListModel::GroupColumn, true);

    connect(ListView4, &TMyListView::columnClick, this, &DupSearchPage::ListView4ColumnClick);
    connect(ListView4, &DupListView::resized, this, &DupSearchPage::ListView4Resize);
    connect(ListView4->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.isEmpty())
                    ListView4SelectItem(selected.indexes().constFirst().row());
            });
}

void DupSearchPage::buildPopupMenu()
{
    Actions =
        new ListItemActions(*ListView4, {services_.window, services_.dialogs, services_.icons},
                            [this](int row) { return model_->RecordPath(row); },
                            {"PopupMenu1", "N4", "N7", "A2", "Copy2", "DeleteMenu1", "MenuItem2",
                             "MenuItem3", "SaveList2", "OpenList2"});
    Actions->setListTable(tr("検索結果.tsv"), [this] {
        return quorvex::DupTable(DupList_, TextBytes(DupWords::reference()));
    });
    Actions->setListOpener([this](std::string_view text) { return openList(text); });
    PopupMenu1 = Actions->Menu;
    N4 = Actions->OpenFolder;
    A2 = Actions->SelectAll;
    Copy2 = Actions->Copy;
    DeleteMenu1 = Actions->Delete;
    Actions->setDeleteMovesToTrash();
    MenuItem3 = Actions->Properties;
    connect(DeleteMenu1, &QAction::triggered, this, &DupSearchPage::DeleteMenu1Click);
    buildSelectionHelpers();
    buildActionItems();

    Actions->openWhenAsked(*ListView4, [this] { PopupMenu1Popup(); });
}

void DupSearchPage::buildSelectionHelpers()
{
    const auto helper = [this](const char* name, const QString& caption, auto select) {
        auto* action = new QAction(caption, PopupMenu1);
        action->setObjectName(QString::fromLatin1(name));
        PopupMenu1->insertAction(Copy2, action);
        connect(action, &QAction::triggered, this, [this, select] {
            if (!services_.isBusy() && model_->DupMode())
                selectRows(select());
        });
        return action;
    };
    SelectButReference = helper("SelectButReference", tr("基準以外を選択"),
                                [this] { return quorvex::SelectAllButReference(DupList_); });
    SelectButNewest = helper("SelectButNewest", tr("各グループで新しいものを残して選択"),
                             [this] { return quorvex::SelectAllButNewest(DupList_); });
    SelectButOldest = helper("SelectButOldest", tr("古いものを残して選択"),
                             [this] { return quorvex::SelectAllButOldest(DupList_); });
    SelectInFolder = helper("SelectInFolder", tr("このフォルダ内の重複を選択"), [this] {
        const quorvex::TDupRecord* clicked = model_->record(Actions->ClickedRow());
        if (!clicked)
            return std::vector<std::size_t>();
        return quorvex::SelectDuplicatesInFolder(DupList_, DupList_.folder(*clicked));
    });
}

void DupSearchPage::buildActionItems()
{
    // After "削除(&D)", in this order.
    QAction* before =
        Actions->Menu->actions().value(Actions->Menu->actions().indexOf(DeleteMenu1) + 1);
    const auto item = [&](const char* name, const QString& caption) {
        auto* action = new QAction(caption, PopupMenu1);
        action->setObjectName(QString::fromLatin1(name));
        PopupMenu1->insertAction(before, action);
        return action;
    };
    HardLinkMenu1 = item("HardLinkMenu1", tr("ハードリンクに置き換え"));
    SymbolicLinkMenu1 = item("SymbolicLinkMenu1", tr("シンボリックリンクに置き換え"));
    ReflinkMenu1 = item("ReflinkMenu1", tr("リフリンク（複製）に置き換え"));
    MoveMenu1 = item("MoveMenu1", tr("フォルダへ移動…"));
    connect(HardLinkMenu1, &QAction::triggered, this,
            [this] { ActOnSelection(quorvex::ActionKind::HardLink); });
    connect(SymbolicLinkMenu1, &QAction::triggered, this,
            [this] { ActOnSelection(quorvex::ActionKind::SymbolicLink); });
    connect(ReflinkMenu1, &QAction::triggered, this,
            [this] { ActOnSelection(quorvex::ActionKind::Reflink); });
    connect(MoveMenu1, &QAction::triggered, this, &DupSearchPage::MoveMenu1Click);
}

void DupSearchPage::PopupMenu1Popup()
{
    const bool idle = !services_.isBusy();
    const bool rowItemsUsable = ListView4->selectedRow() >= 0 && idle;
    Actions->enableItems(rowItemsUsable, idle);
    MoveMenu1->setEnabled(rowItemsUsable);
    // Links and clones only for files found equal byte for byte.
    const bool replaceable =
        rowItemsUsable && !quorvex::ActionRefusal(quorvex::ActionKind::HardLink, scope_);
    for (QAction* action : {HardLinkMenu1, SymbolicLinkMenu1, ReflinkMenu1})
        action->setEnabled(replaceable);
    const bool helpersUsable = idle && model_->DupMode() && model_->rowCount() > 0;
    for (QAction* action : {SelectButReference, SelectButNewest, SelectButOldest})
        action->setEnabled(helpersUsable);
    SelectInFolder->setEnabled(helpersUsable && model_->record(Actions->ClickedRow()));
}

void DupSearchPage::selectRows(const std::vector<std::size_t>& rows)
{
    // Runs of neighbouring rows as ranges: one selection change for the whole set.
    QItemSelection selection;
    const int lastColumn = DupListModel::ColumnCount - 1;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t end = i + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        selection.select(model_->index(static_cast<int>(rows[i]), 0),
                         model_->index(static_cast<int>(rows[end - 1]), lastColumn));
        i = end;
    }
    ListView4->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void DupSearchPage::NewTrackBar1Change(int position)
{
    Label2->setText(thresholdCaption(position));
}

void DupSearchPage::SpeedButton3Click(const PathInput& input)
{
    Dialogs& dialogs = services_.dialogs;
    QWidget* owner = &services_.window;
    if (&input == FileInput) {
        const QString current = FileInput->text();
        const bool isFile =
            !current.isEmpty() && quorvex::platform::IsExistingFile(FileInput->path());
        const QString chosen = dialogs.chooseFile(owner, QString(), isFile ? current : QString(),
                                                  tr("全てのファイル|*.*"));
        if (!chosen.isEmpty())
            FileInput->setText(chosen);
    } else {
        const QString chosen = BrowseForFolder(dialogs, owner, QString(), FolderInput->text());
        if (!chosen.isEmpty())
            FolderInput->setText(chosen);
    }
}

bool DupSearchPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FileInput->Button && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        FileInput->setText(QString());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DupSearchPage::setGroupColumnShown(bool shown)
{
    TMyListViewHeader* header = ListView4->GetColumnHandle();
    const int column = DupListModel::GroupColumn;
    if (shown) {
        // Wide enough for the caption and the sort marker the search leaves on it.
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin);
        const int width = std::max(kGroupColumnWidth, header->markedCaptionWidth(column) - margin);
        header->setColumnWidthLimits(column, width, width);
        ListView4->setColumnHidden(column, false);
        ListView4->setColumnWidth(column, width);
    } else {
        ListView4->setColumnHidden(column, true);
    }
}

void DupSearchPage::SwitchButton8Click()
{
    if (services_.isBusy())
        return;
    if (FolderUnitCheck->isChecked()) {
        const QString folderCaption = FolderInput->text();
        if (Folders->search(FolderInput->path(), NewTrackBar1->value()))
            FolderInput->AddToHistory(folderCaption);
        return;
    }
    const std::string fileText = FileInput->path();
    const std::string folderText = FolderInput->path();
    const QString fileCaption = FileInput->text();
    const QString folderCaption = FolderInput->text();

    model_->ClearResultList();
    quorvex::DupSearchRun run;
    {
        const RunScope running(progress_, services_.runs);

        const int previous = sort_.resetForSearch();
        if (previous != quorvex::DupSortState::kGroupColumn)
            SetColumnSortMarker(*ListView4, previous, -1);
        SetColumnSortMarker(*ListView4, sort_.sortColumn, sort_.sortDirection);
        setGroupColumnShown(fileText.empty());

        quorvex::DupSearchParams params{services_.filters, NewTrackBar1->value(), progress_};
        params.cache = services_.scanCache.forSearch();
        if (PictureCheck->isChecked())
            params.pictures = &pictureReader_;
        run = quorvex::StartDupSearch(fileText, folderText, params, DupList_);
        scope_ = run.scope;
        showPreviewPane(run.ran && params.pictures != nullptr);
        model_->setDupMode(run.DupMode);
        model_->showRows();
        if (run.refusal)
            services_.dialogs.showWarning(&services_.window, RefusalWords::text(run.refusal));
        if (run.ran) {
            if (!fileText.empty())
                FileInput->AddToHistory(fileCaption);
            FolderInput->AddToHistory(folderCaption);
        }
        progress_.setOverallPosition(0);
    }
    if (run.ran)
        progress_.finish();
    if (const QString notice = services_.scanCache.takeNotice(); !notice.isEmpty())
        services_.dialogs.showMessage(&services_.window, notice);
    if (run.nothingFound && !progress_.windowClosing())
        services_.dialogs.showMessage(&services_.window, DupWords::nothingFound(!fileText.empty()));
}

OpenedList DupSearchPage::openList(std::string_view text)
{
    quorvex::DupList opened;
    if (std::string error = quorvex::ReadDupTable(text, opened); !error.empty())
        return {std::move(error)};
    model_->ClearResultList();
    showPreviewPane(false);
    DupList_ = std::move(opened);
    scope_ = quorvex::ReopenedScope(DupList_);
    // The rows stay in the saved order: no column carries the marker.
    SetColumnSortMarker(*ListView4, sort_.resetForSearch(), -1);
    sort_.sortDirection = -1;
    SetColumnSortMarker(*ListView4, sort_.sortColumn, -1);
    const bool dupMode = std::ranges::any_of(
        DupList_.records(), [](const quorvex::TDupRecord& record) { return record.group != 0; });
    setGroupColumnShown(dupMode);
    model_->setDupMode(dupMode);
    model_->showRows();
    return {{},
            static_cast<std::size_t>(
                std::ranges::count_if(DupList_.records(), [](const quorvex::TDupRecord& record) {
                    return record.check != quorvex::DiskCheck::AsListed;
                }))};
}

void DupSearchPage::ListView4ColumnClick(int column)
{
    if (services_.isBusy())
        return;
    const int previous = sort_.clickColumn(DupList_, column);
    if (previous != sort_.sortColumn)
        SetColumnSortMarker(*ListView4, previous, -1);
    SetColumnSortMarker(*ListView4, sort_.sortColumn, sort_.sortDirection);
    model_->rowsChanged();
}

void DupSearchPage::ListView4SelectItem(int row)
{
    if (Actions->SelectingAll())
        return;
    services_.status.setText(0, ShownText(model_->RecordPath(row)));
    if (Preview->isVisibleTo(this))
        Preview->showFile(model_->RecordPath(row));
}

void DupSearchPage::showPreviewPane(bool shown)
{
    Preview->clear();
    Preview->setVisible(shown);
}

void DupSearchPage::ListView4Resize()
{
    if (services_.window.isVisible())
        SetColumnSortMarker(*ListView4, sort_.sortColumn, sort_.sortDirection);
}

void DupSearchPage::DeleteMenu1Click()
{
    ActOnSelection(quorvex::ActionKind::Trash);
}

void DupSearchPage::MoveMenu1Click()
{
    if (services_.isBusy())
        return;
    const std::string folder =
        ChooseMoveFolder(services_.dialogs, &services_.window, lastMoveFolder_);
    if (!folder.empty())
        ActOnSelection(quorvex::ActionKind::Move, folder);
}

void DupSearchPage::ActOnSelection(quorvex::ActionKind kind, const std::string& moveFolder)
{
    if (services_.isBusy())
        return;
    std::vector<std::size_t> rows;
    for (int row : ListView4->selectedRowNumbers())
        rows.push_back(static_cast<std::size_t>(row));
    if (rows.empty())
        return;
    // The delete takes the selection as it is; every other action keeps a file of
    // each group.
    const quorvex::DupPlan planned =
        kind == quorvex::ActionKind::Trash
            ? quorvex::TrashPlanForRows(DupList_, rows)
            : quorvex::PlanForRows(DupList_, scope_, rows, kind, moveFolder);
    Dialogs& dialogs = services_.dialogs;
    QWidget* owner = &services_.window;
    if (planned.refusal) {
        dialogs.showMessage(owner, RefusalWords::text(planned.refusal));
        return;
    }
    // Rows of an opened list whose file, or whose group's kept file, is not as listed.
    const QString notAsListed =
        tr("選んだうち %n 個は、そのファイルかグループに残すファイルがリストのとおりでないので、"
           "そのままにします。",
           nullptr, static_cast<int>(planned.notAsListed.size()));
    if (planned.plan.items.empty()) {
        dialogs.showMessage(owner, planned.notAsListed.empty()
                                       ? tr("選んだファイルは、どれもグループに残すファイルです。")
                                       : notAsListed);
        return;
    }
    QStringList notes;
    if (!planned.notAsListed.empty())
        notes << notAsListed;
    if (kind == quorvex::ActionKind::Move)
        notes << tr("移動先: [ %1 ]").arg(ShownText(moveFolder));
    if (planned.lastCopyGroups > 0)
        notes << tr("%n 個のグループでは、同じ内容のファイルがすべてごみ箱に移動します。", nullptr,
                    int(planned.lastCopyGroups));
    if (planned.keptBack > 0)
        notes << tr("選んだうち %1 個は、グループに残すファイルなのでそのままにします。")
                     .arg(planned.keptBack);
    const PlanRunResult result =
        ConfirmAndRunPlan(services_, progress_, planned.plan, notes.join(QStringLiteral("\n")));
    if (!result.confirmed)
        return;
    quorvex::ApplyOutcomes(DupList_, planned.plan, result.outcomes);
    model_->showRows();
    if (!progress_.windowClosing() && !scope_.folders.empty())
        OfferEmptyFolderSearch(services_, planned.plan, result.outcomes, scope_.folders.front());
}
