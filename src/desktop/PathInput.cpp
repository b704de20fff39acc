#include "desktop/PathInput.h"

#include "controls/ComboBoxAccessible.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/PathItemDelegate.h"
#include "desktop/PathServices.h"
#include "desktop/StatusBar.h"
#include "platform/desktop/ShownText.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr int kVisibleEntries = 16;
constexpr int kRightMargin = 20;    // from the drop-down to the window's right edge
constexpr int kDropDownButton = 20; // left free by the edit field
constexpr int kButtonGap = 4;

} // namespace

PathInput::PathInput(QWidget& parent, const PageServices& services, const PathInputNames& names)
    : QObject(&parent), services_(services), historyNumber_(names.historyNumber)
{
    setObjectName(names.edit + QStringLiteral("Input"));
    const QFont font(QStringLiteral("ＭＳ Ｐゴシック"), 9);

    Button = new QToolButton(&parent);
    Button->setObjectName(names.button);
    Button->setText(names.buttonCaption);
    Button->setAccessibleName(names.buttonCaption.isEmpty() ? names.buttonHint
                                                            : names.buttonCaption);
    Button->setIcon(
        QIcon(ImageList1Glyph(names.buttonGlyph, Button->palette().color(QPalette::Button))));
    Button->setToolButtonStyle(names.buttonCaption.isEmpty() ? Qt::ToolButtonIconOnly
                                                             : Qt::ToolButtonTextBesideIcon);
    SetHint(*Button, names.buttonHint);

    InstallComboBoxAccessible(); // the drop-down keeps its name whatever entry it shows
    ComboBox = new QComboBox(&parent);
    ComboBox->setObjectName(names.comboBox);
    ComboBox->setAccessibleName(names.comboBoxName);
    ComboBox->setEditable(false);
    ComboBox->setFont(font);
    ComboBox->setMaxVisibleItems(kVisibleEntries);
    ComboBox->setItemDelegate(new PathItemDelegate(services.paths.icons(), QPoint(22, 2),
                                                   PathItemDelegate::Selection::Navy, ComboBox));
    ComboBox->setProperty("tag", names.historyNumber);
    SetHint(*ComboBox, names.hint);
    connect(ComboBox, &QComboBox::activated, this, &PathInput::ComboBox1Change);

    Edit = new QLineEdit(&parent);
    Edit->setObjectName(names.edit);
    Edit->setAccessibleName(names.editName);
    Edit->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 10));
    // Drops go to the window, which applies the drop rule.
    Edit->setAcceptDrops(false);
    Edit->setMouseTracking(true);
    Edit->installEventFilter(this);
    Edit->raise();

    PathHistories& histories = services.paths.histories();
    connect(&histories, &PathHistories::replaced, this, [this](int n) {
        if (n == historyNumber_)
            showHistory();
    });
    connect(&histories, &PathHistories::appended, this, [this](int n, const QString& entry) {
        if (n == historyNumber_)
            ComboBox->addItem(entry);
    });
    showHistory();
}

void PathInput::place(int left, int top)
{
    Button->setGeometry(left, top, ButtonWidth, Height);
    ComboBox->move(left + ButtonWidth + kButtonGap, top);
    ComboBox->setFixedHeight(Height + 2);
    FormResize(services_.window.width());
}

void PathInput::FormResize(int windowWidth)
{
    const int width = std::max(kDropDownButton * 2, windowWidth - ComboBox->x() - kRightMargin);
    ComboBox->setFixedWidth(width);
    Edit->setGeometry(ComboBox->x(), ComboBox->y(), width - kDropDownButton, ComboBox->height());
}

QString PathInput::text() const
{
    return Edit->text();
}

void PathInput::setText(const QString& text)
{
    Edit->setText(text);
}

std::string PathInput::path() const
{
    return TextBytes(Edit->text());
}

void PathInput::AddToHistory(const QString& path)
{
    services_.paths.histories().add(historyNumber_, path);
}

// None is chosen afterwards: the edit field holds the path.
void PathInput::showHistory()
{
    ComboBox->clear();
    ComboBox->addItems(services_.paths.histories().entries(historyNumber_));
    ComboBox->setCurrentIndex(-1);
}

void PathInput::ComboBox1Change(int index)
{
    if (index >= 0)
        Edit->setText(ComboBox->itemText(index));
}

bool PathInput::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove))
        services_.status.setText(0, Edit->text());
    return QObject::eventFilter(watched, event);
}
