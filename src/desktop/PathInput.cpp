#include "desktop/PathInput.h"

#include "controls/ComboBoxAccessible.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/PathItemDelegate.h"
#include "desktop/PathServices.h"
#include "desktop/StatusBar.h"
#include "paths/HistoryFile.h"
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

// A history entry's bytes as read from its file, kept with the entry: a line that is
// no UTF-8 (a name in other bytes) would not survive the way through its text.
constexpr int kFileBytesRole = Qt::UserRole + 1;

// The bytes to write for entry `index`: those read, while the entry still shows them.
std::string EntryBytes(const QComboBox& comboBox, int index)
{
    const QString text = comboBox.itemText(index);
    const QByteArray read = comboBox.itemData(index, kFileBytesRole).toByteArray();
    if (!read.isNull() && ShownText(read.toStdString()) == text)
        return read.toStdString();
    return TextBytes(text);
}

} // namespace

PathInput::PathInput(QWidget& parent, const PageServices& services, const PathInputNames& names)
    : QObject(&parent), services_(services), historyNumber_(names.historyNumber),
      care_(services.dialogs, services.window, services.saveFailures,
            quorvex::HistoryFilePath(services.userDataDir, names.historyNumber))
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

    services.registrations.setHistoryComboBox(historyNumber_, *ComboBox);
    services.registrations.addStore(
        StateStore::Histories,
        [this] {
            care_.read(
                [this] { return LoadHistory(*ComboBox, services_.userDataDir, historyNumber_); });
        },
        [this] {
            care_.writeAtClose(
                [this] { return SaveHistory(*ComboBox, services_.userDataDir, historyNumber_); });
        });
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
    ::AddToHistory(*ComboBox, path);
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

void SetHistoryItems(QComboBox& comboBox, const QStringList& items)
{
    comboBox.clear();
    comboBox.addItems(items);
    comboBox.setCurrentIndex(-1);
}

quorvex::platform::StateFileRead LoadHistory(QComboBox& comboBox, const std::string& userDataDir,
                                             int n)
{
    const quorvex::platform::StateFileText text = quorvex::LoadHistory(userDataDir, n);
    QStringList items;
    for (const std::string& line : text.lines)
        items.append(ShownText(line));
    SetHistoryItems(comboBox, items);
    for (int index = 0; index < comboBox.count(); ++index)
        comboBox.setItemData(index, QByteArray::fromStdString(text.lines[index]), kFileBytesRole);
    return text.read;
}

void AddToHistory(QComboBox& comboBox, const QString& path)
{
    // The whole text, without regard to case.
    if (comboBox.findText(path, Qt::MatchFixedString) < 0)
        comboBox.addItem(path);
}

bool SaveHistory(const QComboBox& comboBox, const std::string& userDataDir, int n)
{
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(comboBox.count()));
    for (int index = 0; index < comboBox.count(); ++index)
        entries.push_back(EntryBytes(comboBox, index));
    return quorvex::SaveHistory(entries, userDataDir, n);
}
