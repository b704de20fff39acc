#include "trash/ui/TrashPage.h"

#include "actions/RowBatch.h"
#include "controls/ControlStyles.h"
#include "controls/TMyListView.h"
#include "controls/TSwitchButton.h"
#include "controls/TextPanel.h"
#include "desktop/BatchConfirmation.h"
#include "desktop/BatchPrompts.h"
#include "desktop/ConfirmationBox.h"
#include "desktop/Hint.h"
#include "desktop/ListItemActions.h"
#include "desktop/PageServices.h"
#include "desktop/PageSheet.h"
#include "desktop/PlanDetails.h"
#include "desktop/TrashListStore.h"
#include "trash/ui/TrashListModel.h"

#include <algorithm>

namespace {

constexpr int kTopBarHeight = 33;
constexpr int kNameColumnWidth = 200;
constexpr int kMinColumnWidth = 50;
constexpr int kButtonGap = 4;

const char* const kOpenCaption = QT_TRANSLATE_NOOP("TrashPage", "ごみ箱を開く");
const char* const kCloseCaption = QT_TRANSLATE_NOOP("TrashPage", "ごみ箱を閉じる");

} // namespace

TrashPage::TrashPage(QWidget& sheet, const PageServices& services)
    : QWidget(&sheet), services_(services), model_(new TrashListModel(this))
{
    setObjectName(QStringLiteral("TrashPage"));
    FillTabSheet(sheet, *this);

    buildTopBar();
    buildList();
}

void TrashPage::buildTopBar()
{
    Panel8 = new QWidget(this);
    Panel8->setObjectName(QStringLiteral("Panel8"));

    GomiOpenSwBtn = createSwitchButton(QStringLiteral("GomiOpenSwBtn"), Panel8);
    ModosuSwBtn = createSwitchButton(QStringLiteral("ModosuSwBtn"), Panel8);
    SetHint(*ModosuSwBtn, tr("選択しているファイルパス名を元の場所に戻します。"));
    AllSelectBtn = createSwitchButton(QStringLiteral("AllSelectBtn"), Panel8);
    DelSwBtn = createSwitchButton(QStringLiteral("DelSwBtn"), Panel8);
    SetHint(*DelSwBtn, tr("選択しているファイルパス名をごみ箱からも削除します。"
                          "(これを行うと元には戻せなくなります。)"));
    for (TSwitchButton* button : {GomiOpenSwBtn, ModosuSwBtn, AllSelectBtn, DelSwBtn})
        button->setAccessibleName(button->Caption());

    Panel11 = new TextPanel(Panel8);
    Panel11->setObjectName(QStringLiteral("Panel11"));
    Panel11->setAccessibleName(tr("個数"));
    placeTopBarButtons();
    QPalette grey = Panel11->palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    Panel11->setPalette(grey);

    connect(GomiOpenSwBtn, &TSwitchButton::clicked, this, &TrashPage::GomiOpenSwBtnClick);
    connect(ModosuSwBtn, &TSwitchButton::clicked, this, &TrashPage::RestoreTrashItems);
    connect(AllSelectBtn, &TSwitchButton::clicked, this, &TrashPage::AllSelectBtnClick);
    connect(DelSwBtn, &TSwitchButton::clicked, this, &TrashPage::PurgeTrashItems);
}

// In a row from the left, each as wide as its caption needs but no narrower than
// designed; the toggle fits the longer of its two captions.
void TrashPage::placeTopBarButtons()
{
    const int toggleWidth = std::max(GomiOpenSwBtn->widthForCaption(tr(kOpenCaption)),
                                     GomiOpenSwBtn->widthForCaption(tr(kCloseCaption)));
    const std::pair<TSwitchButton*, int> buttons[] = {{GomiOpenSwBtn, std::max(99, toggleWidth)},
                                                      {ModosuSwBtn, 75},
                                                      {AllSelectBtn, 75},
                                                      {DelSwBtn, 115}};
    int left = kButtonGap;
    for (const auto& [button, designWidth] : buttons) {
        const int width = std::max(designWidth, button->widthForCaption(button->Caption()));
        button->setGeometry(left, 4, width, 25);
        left += width + kButtonGap;
    }
    Panel11->setGeometry(left + kButtonGap, 4, 120, 25);
}

void TrashPage::buildList()
{
    ListView3 = new TMyListView(this);
    ListView3->setObjectName(QStringLiteral("ListView3"));
    ListView3->setAccessibleName(tr("ごみ箱の項目"));
    ListView3->setModel(model_);
    ListView3->setGridLines(true);
    ListView3->keepSelectionVisible();
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(15);
    ListView3->setFont(font);
    TMyListViewHeader* header = ListView3->GetColumnHandle();
    header->setSectionsClickable(false);
    header->resizeSection(0, kNameColumnWidth);
    header->setColumnWidthLimits(0, kMinColumnWidth, 0);
    header->setColumnWidthLimits(1, kMinColumnWidth, 0);
    header->setStretchLastSection(true);
}

void TrashPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Panel8->setGeometry(0, 0, width(), kTopBarHeight);
    ListView3->setGeometry(0, kTopBarHeight, width(), std::max(0, height() - kTopBarHeight));
}

void TrashPage::GomiOpenSwBtnClick()
{
    model_->setPaths({});
    if (GomiOpenSwBtn->Down()) {
        quorvex::TrashList snapshot;
        snapshot.replaceEntries(services_.trash.entries());
        model_->setPaths(snapshot.entryPaths());
        GomiOpenSwBtn->setCaption(tr(kCloseCaption));
        Panel11->setText(tr("%n 個", nullptr, static_cast<int>(model_->paths().size())));
    } else {
        GomiOpenSwBtn->setCaption(tr(kOpenCaption));
        Panel11->setText(QString());
    }
    GomiOpenSwBtn->setAccessibleName(GomiOpenSwBtn->Caption());
}

std::vector<std::size_t> TrashPage::selectedRows() const
{
    const std::vector<int> rows = SelectedRowNumbers(*ListView3);
    return {rows.begin(), rows.end()};
}

void TrashPage::RestoreTrashItems()
{
    const std::vector<std::size_t> selected = selectedRows();
    if (selected.empty())
        return;
    // The plan holds its paths: the model loses rows meanwhile.
    const quorvex::ActionPlan plan =
        quorvex::PlanTrashEntries(model_->paths(), selected, quorvex::ActionKind::Restore);
    BatchConfirmation confirmation(services_.confirmation.box(), PlanDetails(plan));
    services_.trash.edit([&](quorvex::TrashList& trash) {
        quorvex::RestoreTrashItems(trash, plan, AskEachRow(confirmation), ShowNotice(services_),
                                   dropRow());
    });
}

void TrashPage::PurgeTrashItems()
{
    const std::vector<std::size_t> selected = selectedRows();
    if (selected.empty())
        return;
    const quorvex::ActionPlan plan =
        quorvex::PlanTrashEntries(model_->paths(), selected, quorvex::ActionKind::Purge);
    BatchConfirmation confirmation(services_.confirmation.box(), PlanDetails(plan));
    services_.trash.edit([&](quorvex::TrashList& trash) {
        quorvex::PurgeTrashItems(trash, plan, AskEachRow(confirmation), dropRow());
    });
}

// A row leaves the list as soon as its item is done, while the batch asks on.
quorvex::TrashRowDone TrashPage::dropRow()
{
    return [this](std::size_t row) { model_->removeRow(static_cast<int>(row)); };
}

void TrashPage::AllSelectBtnClick()
{
    if (model_->rowCount() == 0)
        return;
    ListView3->selectAll();
    ListView3->setFocus();
}
