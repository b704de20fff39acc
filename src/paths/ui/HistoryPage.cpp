#include "paths/ui/HistoryPage.h"

#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/PageServices.h"
#include "desktop/PageSheet.h"
#include "desktop/PathItemDelegate.h"
#include "desktop/PathServices.h"
#include "paths/ui/HistoryEdits.h"
#include "platform/desktop/ShownText.h"

#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kPageButtonTop = 4;
constexpr int kButtonHeight = 25;
constexpr int kListTop = 33;
constexpr int kSplitterWidth = 5;
// The column of list buttons at the right edge: arrows, then the push buttons.
constexpr int kColumnWidth = 84;
constexpr int kArrowLeft = 4;
constexpr int kArrowSize = 22;
constexpr int kPushLeft = 30;
constexpr int kPushWidth = 50;

HistoryEntries readEntries(const QListWidget& list)
{
    HistoryEntries entries;
    entries.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row)
        entries.push_back({list.item(row)->text(), list.item(row)->isSelected()});
    return entries;
}

// Rewrites the rows in place, so that the list keeps its scroll position.
void writeEntries(QListWidget& list, const HistoryEntries& entries)
{
    const int count = static_cast<int>(entries.size());
    while (list.count() > count)
        delete list.takeItem(list.count() - 1);
    for (int row = 0; row < count; ++row) {
        if (row == list.count())
            list.addItem(entries[row].text);
        QListWidgetItem* item = list.item(row);
        item->setText(entries[row].text);
        item->setSelected(entries[row].selected);
    }
}

QStringList lines(const QListWidget& list)
{
    QStringList items;
    for (int row = 0; row < list.count(); ++row)
        items.append(list.item(row)->text());
    return items;
}

void setLines(QListWidget& list, const QStringList& items)
{
    list.clear();
    list.addItems(items);
}

QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& caption,
                            const QString& hint = QString())
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setAccessibleName(caption);
    if (!hint.isEmpty())
        SetHint(*button, hint);
    return button;
}

QPushButton* makePushButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    return button;
}

// The push buttons' common width: kPushWidth, or what the longest caption needs, as
// far as the button column has room.
int pushWidth(std::initializer_list<const QPushButton*> buttons)
{
    int width = kPushWidth;
    for (const QPushButton* button : buttons) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = QRect(0, 0, kPushWidth, kButtonHeight);
        const int padding =
            kPushWidth -
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        width = std::max(width, button->fontMetrics().horizontalAdvance(button->text()) + padding);
    }
    return std::min(width, kColumnWidth - kPushLeft);
}

} // namespace

HistoryPage::HistoryPage(QWidget& sheet, const PageServices& services)
    : QWidget(&sheet), services_(services)
{
    setObjectName(QStringLiteral("HistoryPage"));
    FillTabSheet(sheet, *this);

    buildPageButtons();
    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(kSplitterWidth);
    Splitter1->setChildrenCollapsible(false);
    ListBox1 = buildListBox("ListBox1", tr("履歴 上"));
    ListBox2 = buildListBox("ListBox2", tr("履歴 下"));
    QSplitterHandle* handle = Splitter1->handle(1);
    QPalette grey = handle->palette();
    grey.setColor(QPalette::Window, Qt::gray);
    handle->setPalette(grey);
    handle->setAutoFillBackground(true);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] {
        listBox1Height_ = ListBox1->height();
        Splitter1Moved();
    });
    buildListButtons();

    services.registrations.bindSetting(
        PageSetting::ListBox1Height, [this] { return listBox1Height_; },
        [this](int height) {
            listBox1Height_ = height;
            if (isVisible())
                placeListBoxes();
        });
    services.registrations.addPageChangeHandler([this](int page) { PageControl1Change(page); });
    services.registrations.addResizeHandler([this](int) {
        placePageButtons();
        Splitter1Moved();
    });
}

void HistoryPage::buildPageButtons()
{
    // The captions are those of the pages whose histories the buttons choose.
    const auto pageCaption = [](Page page) { return CaptionOf(DescriptionOf(page)); };
    const QColor face = palette().color(QPalette::Button);
    SpeedButton9 = makeToolButton(this, "SpeedButton9", pageCaption(Page::Compare));
    SpeedButton9->setIcon(QIcon(ImageList1Glyph(imagelist1::ComparePage, face)));
    SpeedButton10 = makeToolButton(this, "SpeedButton10", pageCaption(Page::Duplicates));
    SpeedButton10->setIcon(QIcon(ImageList1Glyph(imagelist1::SearchPage, face)));
    for (QToolButton* button : {SpeedButton9, SpeedButton10}) {
        button->setCheckable(true);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        connect(button, &QToolButton::clicked, this, [this, button] { SpeedButton9Click(button); });
    }
    SpeedButton9->setGeometry(0, kPageButtonTop, 150, kButtonHeight);
    SpeedButton10->setGeometry(0, kPageButtonTop, 200, kButtonHeight);

    SpeedButton11 = makeToolButton(this, "SpeedButton11", tr("適用"), tr("変更内容を保存する"));
    SpeedButton11->setGeometry(0, kPageButtonTop, 75, kButtonHeight);
    SpeedButton11->setEnabled(false);
    connect(SpeedButton11, &QToolButton::clicked, this, &HistoryPage::SpeedButton11Click);
}

QListWidget* HistoryPage::buildListBox(const char* name, const QString& accessibleName)
{
    auto* list = new QListWidget(Splitter1);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setUniformItemSizes(true);
    list->setMinimumHeight(MinListHeight);
    list->setItemDelegate(new PathItemDelegate(services_.paths.icons(), QPoint(20, 3),
                                               PathItemDelegate::Selection::Platform, list));
    // The delete button follows the selection, whether made by mouse or keyboard.
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, list] { updateDeleteButton(*list); });
    Splitter1->addWidget(list);
    return list;
}

void HistoryPage::buildListButtons()
{
    SpeedButton12 = makeToolButton(this, "SpeedButton12", QStringLiteral("▲"), tr("上"));
    SpeedButton13 = makeToolButton(this, "SpeedButton13", QStringLiteral("▼"), tr("下"));
    SpeedButton14 = makeToolButton(this, "SpeedButton14", QStringLiteral("▲"), tr("上"));
    SpeedButton15 = makeToolButton(this, "SpeedButton15", QStringLiteral("▼"), tr("下"));
    Button1 = makePushButton(this, "Button1", tr("削除"));
    Button2 = makePushButton(this, "Button2", tr("削除"));
    Button3 = makePushButton(this, "Button3", tr("ソート"));
    Button4 = makePushButton(this, "Button4", tr("ソート"));
    for (QToolButton* button : {SpeedButton12, SpeedButton13})
        connect(button, &QToolButton::clicked, this,
                [this, button] { SpeedButton12Click(button); });
    for (QToolButton* button : {SpeedButton14, SpeedButton15})
        connect(button, &QToolButton::clicked, this,
                [this, button] { SpeedButton14Click(button); });
    for (QPushButton* button : {Button1, Button2}) {
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this, [this, button] { Button1Click(button); });
    }
    for (QPushButton* button : {Button3, Button4})
        connect(button, &QPushButton::clicked, this, [this, button] { Button3Click(button); });
}

void HistoryPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeListBoxes();
    placePageButtons();
}

// The splitter shares its room out anew whenever it is shown.
void HistoryPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeListBoxes();
}

// The lists fill the page left of the button column. ListBox1 is shown with the
// height last chosen as far as both lists keep their minimum height; the choice itself
// is kept, so that a page laid out while still small does not shrink it.
void HistoryPage::placeListBoxes()
{
    const int listHeight = height() - kListTop;
    Splitter1->setGeometry(0, kListTop, width() - kColumnWidth, listHeight);
    const int highest = std::max(MinListHeight, listHeight - kSplitterWidth - MinListHeight);
    const int upper = std::clamp(listBox1Height_, MinListHeight, highest);
    Splitter1->setSizes({upper, listHeight - kSplitterWidth - upper});

    const int column = width() - kColumnWidth;
    const int push = pushWidth({Button1, Button3});
    Button1->setGeometry(column + kPushLeft, kListTop + 8, push, kButtonHeight);
    Button3->setGeometry(column + kPushLeft, Button1->y() + Button1->height() + 2, push,
                         kButtonHeight);
    SpeedButton12->setGeometry(column + kArrowLeft, Button1->y(), kArrowSize, kArrowSize);
    SpeedButton13->setGeometry(column + kArrowLeft,
                               SpeedButton12->y() + SpeedButton12->height() + 3, kArrowSize,
                               kArrowSize);
    for (QWidget* button : {static_cast<QWidget*>(Button2), static_cast<QWidget*>(Button4)})
        button->resize(push, kButtonHeight);
    for (QWidget* button : {SpeedButton14, SpeedButton15})
        button->resize(kArrowSize, kArrowSize);
    Splitter1Moved();
}

// The page buttons sit either side of the middle of ListBox1, "適用" after them.
void HistoryPage::placePageButtons()
{
    const int half = ListBox1->width() / 2;
    SpeedButton9->move(half - SpeedButton9->width() - 2, kPageButtonTop);
    SpeedButton10->move(half + 2, kPageButtonTop);
    SpeedButton11->move(SpeedButton10->x() + SpeedButton10->width() + 2, kPageButtonTop);
}

// Keeps the lower buttons level with ListBox2.
void HistoryPage::Splitter1Moved()
{
    const int column = width() - kColumnWidth;
    const int listBox2Top = Splitter1->y() + ListBox2->y();
    Button2->move(column + kPushLeft, listBox2Top + 8);
    Button4->move(column + kPushLeft, Button2->y() + Button2->height() + 2);
    SpeedButton14->move(column + kArrowLeft, Button2->y());
    SpeedButton15->move(column + kArrowLeft, SpeedButton14->y() + SpeedButton14->height() + 3);
}

void HistoryPage::PageControl1Change(int page)
{
    if (page == PageIndex(Page::Histories)) {
        Splitter1Moved();
        return;
    }
    for (QToolButton* button : {SpeedButton9, SpeedButton10}) {
        if (button->isChecked()) {
            button->setChecked(false);
            SpeedButton9Click(button);
        }
    }
}

void HistoryPage::SpeedButton9Click(QToolButton* sender)
{
    // At most one of the two page buttons is down; both may be up.
    QToolButton* other = sender == SpeedButton9 ? SpeedButton10 : SpeedButton9;
    if (sender->isChecked())
        other->setChecked(false);
    if (!sender->isChecked()) {
        ListBox1->clear();
        ListBox2->clear();
    } else {
        const int first = sender == SpeedButton9 ? 1 : 3;
        setLines(*ListBox1, services_.paths.histories().entries(first));
        setLines(*ListBox2, services_.paths.histories().entries(first + 1));
    }
    SpeedButton11->setEnabled(false);
    updateDeleteButton(*ListBox1);
    updateDeleteButton(*ListBox2);
}

void HistoryPage::SpeedButton11Click()
{
    const int first = SpeedButton9->isChecked() ? 1 : SpeedButton10->isChecked() ? 3 : 0;
    if (first != 0) {
        const std::pair<int, const QListWidget*> targets[] = {{first, ListBox1},
                                                              {first + 1, ListBox2}};
        for (const auto& [n, list] : targets)
            services_.paths.histories().setEntries(n, lines(*list));
    }
    SpeedButton11->setEnabled(false);
}

void HistoryPage::Button1Click(QPushButton* sender)
{
    QListWidget& list = sender == Button1 ? *ListBox1 : *ListBox2;
    HistoryEntries entries = readEntries(list);
    if (DeleteSelectedEntries(entries)) {
        writeEntries(list, entries);
        SpeedButton11->setEnabled(true);
    }
}

void HistoryPage::Button3Click(QPushButton* sender)
{
    QListWidget& list = sender == Button3 ? *ListBox1 : *ListBox2;
    HistoryEntries entries = readEntries(list);
    SortEntries(entries);
    writeEntries(list, entries);
    SpeedButton11->setEnabled(true);
}

void HistoryPage::SpeedButton12Click(QToolButton* sender)
{
    moveSelected(*ListBox1, sender == SpeedButton12 ? -1 : 1);
}

void HistoryPage::SpeedButton14Click(QToolButton* sender)
{
    moveSelected(*ListBox2, sender == SpeedButton14 ? -1 : 1);
}

void HistoryPage::moveSelected(QListWidget& list, int step)
{
    HistoryEntries entries = readEntries(list);
    if (MoveSelectedEntries(entries, step)) {
        writeEntries(list, entries);
        SpeedButton11->setEnabled(true);
    }
}

void HistoryPage::updateDeleteButton(const QListWidget& list)
{
    QPushButton* button = &list == ListBox1 ? Button1 : Button2;
    button->setEnabled(!list.selectedItems().isEmpty());
}
