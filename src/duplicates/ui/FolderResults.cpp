#include "duplicates/ui/FolderResults.h"

#include "desktop/ActionPlanRun.h"
#include "desktop/BrowseForFolder.h"
#include "desktop/Dialogs.h"
#include "desktop/ItemProperties.h"
#include "desktop/ListSaving.h"
#include "desktop/RefusalWords.h"
#include "desktop/RunIndicatorObserver.h"
#include "desktop/RunScope.h"
#include "desktop/ScanCacheService.h"
#include "duplicates/DupSelection.h"
#include "duplicates/FolderActions.h"
#include "duplicates/FolderTable.h"
#include "duplicates/ui/FolderListModel.h"
#include "platform/desktop/ShellActions.h"
#include "platform/desktop/ShownText.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTreeView>

#include <algorithm>

FolderResults::FolderResults(QWidget& page, const PageServices& services,
                             RunIndicatorObserver& progress)
    : QObject(&page), services_(services), progress_(progress)
{
    model_ = new FolderListModel(services.listLook, this);
    ListView5 = new QTreeView(&page);
    ListView5->setObjectName(QStringLiteral("ListView5"));
    ListView5->setAccessibleName(tr("フォルダの検索結果"));
    ListView5->setRootIsDecorated(false);
    ListView5->setUniformRowHeights(true);
    ListView5->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView5->setModel(model_);
    ListView5->setSortingEnabled(true);
    ListView5->header()->setSortIndicatorShown(false);
    ListView5->setColumnWidth(0, 360);
    connect(ListView5->header(), &QHeaderView::sectionClicked, this,
            [this] { ListView5->header()->setSortIndicatorShown(true); });

    FolderMenu = new QMenu(ListView5);
    OpenFolderItem = FolderMenu->addAction(tr("フォルダを開く(&F)"));
    SaveFolderList = FolderMenu->addAction(tr("リストを保存…"));
    FolderMenu->addSeparator();
    TrashFolderFiles = FolderMenu->addAction(tr("フォルダのファイルをごみ箱へ"));
    MoveFolderFiles = FolderMenu->addAction(tr("フォルダのファイルを移動…"));
    HardLinkFolderFiles = FolderMenu->addAction(tr("フォルダのファイルをハードリンクに置き換え"));
    ReflinkFolderFiles =
        FolderMenu->addAction(tr("フォルダのファイルをリフリンク（複製）に置き換え"));
    FolderMenu->addSeparator();
    FolderProperties = FolderMenu->addAction(tr("プロパティ"));
    ListView5->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ListView5, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const bool chosen = !chosenRows().empty() && !services_.isBusy();
        for (QAction* item : {OpenFolderItem, TrashFolderFiles, MoveFolderFiles,
                              HardLinkFolderFiles, ReflinkFolderFiles, FolderProperties})
            item->setEnabled(chosen);
        SaveFolderList->setEnabled(!groups_.rows().empty() && !services_.isBusy());
        FolderMenu->popup(ListView5->viewport()->mapToGlobal(at));
    });
    connect(OpenFolderItem, &QAction::triggered, this, [this] {
        const std::vector<std::size_t> rows = chosenRows();
        if (!rows.empty())
            OpenItem(
                [this](const QString& item, const QStringList& applications, int declaringCount) {
                    return services_.dialogs.chooseApplication(&services_.window, item,
                                                               applications, declaringCount);
                },
                &services_.window, groups_.rows()[rows.front()].path);
    });
    connect(SaveFolderList, &QAction::triggered, this, [this] {
        SaveResultList(services_.dialogs, &services_.window, QStringLiteral("folders.tsv"), [this] {
            saved_ = model_->rowsInOrder();
            return quorvex::FolderTable(saved_);
        });
    });
    connect(TrashFolderFiles, &QAction::triggered, this,
            [this] { actOnChosenFolders(quorvex::ActionKind::Trash); });
    connect(MoveFolderFiles, &QAction::triggered, this, &FolderResults::moveChosenFolders);
    connect(HardLinkFolderFiles, &QAction::triggered, this,
            [this] { actOnChosenFolders(quorvex::ActionKind::HardLink); });
    connect(ReflinkFolderFiles, &QAction::triggered, this,
            [this] { actOnChosenFolders(quorvex::ActionKind::Reflink); });
    connect(FolderProperties, &QAction::triggered, this, [this] {
        const std::vector<std::size_t> rows = chosenRows();
        if (!rows.empty())
            ShowItemProperties(&services_.window, services_.icons,
                               groups_.rows()[rows.front()].path);
    });
}

QString FolderResults::nothingToActOn(quorvex::ActionKind kind)
{
    switch (kind) {
    case quorvex::ActionKind::Trash:
        return tr("選んだフォルダには、ごみ箱へ移せるファイルがありません。");
    case quorvex::ActionKind::Move:
        return tr("選んだフォルダには、移動できるファイルがありません。");
    default: // links and clones: only the files of equal folders
        return tr("選んだフォルダには、同一のフォルダのファイルとして置き換えられるファイルが"
                  "ありません。");
    }
}

std::vector<std::size_t> FolderResults::chosenRows() const
{
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : ListView5->selectionModel()->selectedRows())
        rows.push_back(model_->sourceRow(index.row()));
    std::ranges::sort(rows);
    return rows;
}

bool FolderResults::search(const std::string& folder, int threshold)
{
    model_->setRows(nullptr);
    groups_ = {};
    folders_ = {folder};
    threshold_ = threshold;
    quorvex::SearchOutcome outcome;
    {
        const RunScope running(progress_, services_.runs);
        quorvex::FolderSearchParams params{services_.filters, {threshold, false}, progress_};
        params.cache = services_.scanCache.forSearch();
        outcome = quorvex::SearchFolderGroups(folders_, params, groups_);
        model_->setRows(&groups_.rows());
        progress_.setOverallPosition(0);
    }
    if (!outcome.ran) {
        services_.dialogs.showWarning(&services_.window, RefusalWords::text(outcome.refusal));
        return false;
    }
    progress_.finish();
    if (const QString notice = services_.scanCache.takeNotice(); !notice.isEmpty())
        services_.dialogs.showMessage(&services_.window, notice);
    if (groups_.rows().empty() && !progress_.windowClosing())
        services_.dialogs.showMessage(&services_.window,
                                      tr("重複するフォルダはありませんでした。"));
    return true;
}

void FolderResults::moveChosenFolders()
{
    if (services_.isBusy())
        return;
    const std::string folder =
        ChooseMoveFolder(services_.dialogs, &services_.window, lastMoveFolder_);
    if (!folder.empty())
        actOnChosenFolders(quorvex::ActionKind::Move, folder);
}

void FolderResults::actOnChosenFolders(quorvex::ActionKind kind, const std::string& moveFolder)
{
    if (services_.isBusy())
        return;
    const std::vector<std::size_t> chosen = chosenRows();
    std::vector<quorvex::FolderChoice> choices = quorvex::ChooseFolders(
        groups_, quorvex::KeepRule::Reference, {}, quorvex::ReplacesContents(kind));
    std::erase_if(choices, [&](const quorvex::FolderChoice& choice) {
        return !std::ranges::binary_search(chosen, choice.acted);
    });
    quorvex::DupList files = quorvex::FilesOfChosenFolders(groups_, choices);
    quorvex::LeaveOutOfAction(files, moveFolder);
    const quorvex::DupPlan planned = quorvex::PlanForRows(
        files, {folders_, {}, 100}, quorvex::SelectAllButReference(files), kind, moveFolder);
    if (planned.plan.items.empty()) {
        services_.dialogs.showMessage(&services_.window, nothingToActOn(kind));
        return;
    }
    const QString notes = kind == quorvex::ActionKind::Move
                              ? tr("移動先: [ %1 ]").arg(ShownText(moveFolder))
                              : QString();
    const PlanRunResult result = ConfirmAndRunPlan(services_, progress_, planned.plan, notes);
    if (!result.confirmed)
        return;
    OfferEmptyFolderSearch(services_, planned.plan, result.outcomes, folders_.front());
    search(folders_.front(), threshold_);
}
