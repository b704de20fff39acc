#include "app/OptionsPage.h"

#include "app/CacheOption.h"
#include "app/ColorPanel.h"
#include "app/DefaultColors.h"
#include "app/LanguageOption.h"
#include "common/Filters.h"
#include "controls/ColorRef.h"
#include "desktop/Dialogs.h"
#include "desktop/Hint.h"
#include "desktop/ImageList1.h"
#include "desktop/PageServices.h"
#include "desktop/StatusBar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>

namespace {

// Colours of a right click on a panel, by tag: pale variants, not the defaults.
constexpr std::uint32_t kPaleMatch = 0xEEFDF3;
constexpr std::uint32_t kPaleMissing = 0xF9F1FE;
constexpr std::uint32_t kPaleDuplicate = 0xF3E9DE;

QCheckBox* makeCheckBox(QWidget& parent, const char* name, const QString& caption, QRect geometry)
{
    auto* box = new QCheckBox(caption, &parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QLabel* makeLabel(QWidget& parent, const char* name, const QString& caption, QPoint at)
{
    auto* label = new QLabel(caption, &parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

QToolButton* makePaletteButton(QWidget& parent, const char* name, int tag, QPoint at)
{
    auto* button = new QToolButton(&parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("tag", tag);
    button->setIcon(ImageList1Icon(imagelist1::Palette));
    button->setAccessibleName(OptionsPage::tr("パレット"));
    SetHint(*button, OptionsPage::tr("パレット"));
    button->setGeometry(QRect(at, QSize(23, 22)));
    return button;
}

QToolButton* makeResetButton(QWidget& parent, const char* name, QPoint at)
{
    auto* button = new QToolButton(&parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(OptionsPage::tr("初期化"));
    button->setGeometry(QRect(at, QSize(60, 22)));
    return button;
}

ColorPanel* makeColorPanel(QWidget& parent, const char* name, int tag, const QString& hint,
                           QPoint at)
{
    auto* panel = new ColorPanel(&parent, tag);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAccessibleName(hint);
    SetHint(*panel, hint);
    panel->setGeometry(QRect(at, QSize(64, 22)));
    return panel;
}

} // namespace

OptionsPage::OptionsPage(QWidget& tabSheet, const PageServices& services)
    : QObject(&tabSheet), dialogs_(services.dialogs), filters_(services.filters),
      status_(services.status), colorDepth_(services.colorDepth)
{
    QWidget& sheet = tabSheet;
    CheckBox5 = makeCheckBox(sheet, "CheckBox5", tr("サイズは、バイト単位で表示する"),
                             QRect(24, 20, 320, 20));
    CheckBox5->setChecked(true);

    Label1 = makeLabel(sheet, "Label1", tr("処理対象に以下のファイルも含める場合はチェック"),
                       QPoint(24, 60));
    SystemOkChkBox =
        makeCheckBox(sheet, "SystemOkChkBox", tr("システム属性のファイル"), QRect(40, 82, 240, 20));
    HidenOkChkBox =
        makeCheckBox(sheet, "HidenOkChkBox", tr("隠し属性のファイル"), QRect(40, 106, 240, 20));

    Label4 = makeLabel(sheet, "Label4", tr("ファイルの比較でのリストの背景色"), QPoint(24, 146));
    Panel6 = makeColorPanel(sheet, "Panel6", 0, tr("100%一致したリストの背景色"), QPoint(40, 168));
    SpeedButton7 = makePaletteButton(sheet, "SpeedButton7", 0, QPoint(108, 168));
    Panel7 = makeColorPanel(sheet, "Panel7", 1, tr("一方のファイルが存在しない時のリストの背景色"),
                            QPoint(148, 168));
    SpeedButton8 = makePaletteButton(sheet, "SpeedButton8", 1, QPoint(216, 168));
    SpeedButton17 = makeResetButton(sheet, "SpeedButton17", QPoint(256, 168));

    Label3 = makeLabel(sheet, "Label3", tr("ファイルの重複でのリストの背景色"), QPoint(24, 212));
    Panel1 = makeColorPanel(sheet, "Panel1", 2, tr("右クリックで背景色を初期化"), QPoint(40, 234));
    SpeedButton6 = makePaletteButton(sheet, "SpeedButton6", 2, QPoint(108, 234));
    SpeedButton18 = makeResetButton(sheet, "SpeedButton18", QPoint(148, 234));

    new LanguageOption(sheet, QPoint(24, 278), QCoreApplication::applicationName(), dialogs_);
    new CacheOption(sheet, QPoint(24, 346), QCoreApplication::applicationName(), services.scanCache,
                    dialogs_);

    SpeedButton17Click();
    SpeedButton18Click();

    for (QCheckBox* box : {SystemOkChkBox, HidenOkChkBox})
        connect(box, &QCheckBox::toggled, this, &OptionsPage::SystemOkChkBoxClick);
    for (QToolButton* button : {SpeedButton6, SpeedButton7, SpeedButton8})
        connect(button, &QToolButton::clicked, this,
                [this, button] { SpeedButton6Click(button->property("tag").toInt()); });
    for (ColorPanel* panel : {Panel1, Panel6, Panel7})
        connect(panel, &ColorPanel::mouseDown, this,
                [this, panel](Qt::MouseButton button) { Panel1MouseDown(*panel, button); });
    connect(SpeedButton17, &QToolButton::clicked, this, &OptionsPage::SpeedButton17Click);
    connect(SpeedButton18, &QToolButton::clicked, this, &OptionsPage::SpeedButton18Click);

    services.listLook.setSource(*this);
    bindSettings(services.registrations);
}

// A check box set from the settings runs its handler, as a click would. Colours are
// kept as their COLORREF bits.
void OptionsPage::bindSettings(PageRegistrar& registrations)
{
    const std::pair<PageSetting, QCheckBox*> boxes[] = {{PageSetting::SizeInBytes, CheckBox5},
                                                        {PageSetting::SystemFiles, SystemOkChkBox},
                                                        {PageSetting::HiddenFiles, HidenOkChkBox}};
    for (const auto& [which, box] : boxes)
        registrations.bindSetting(
            which, [box] { return box->isChecked() ? 1 : 0; },
            [box](int value) { box->setChecked(value != 0); });
    const std::pair<PageSetting, ColorPanel*> panels[] = {{PageSetting::DuplicateColor, Panel1},
                                                          {PageSetting::MatchColor, Panel6},
                                                          {PageSetting::MissingColor, Panel7}};
    for (const auto& [which, panel] : panels)
        registrations.bindSetting(
            which, [panel] { return static_cast<int>(panel->colorRef()); },
            [panel](int value) { panel->setColorRef(static_cast<std::uint32_t>(value)); });
}

// Every change of either box, also while the settings are read at start: the
// filters follow the boxes and status panel 1 names the included attributes.
void OptionsPage::SystemOkChkBoxClick()
{
    quorvex::FilterSettings& filters = filters_;
    filters.includeSystem = SystemOkChkBox->isChecked();
    filters.includeHidden = HidenOkChkBox->isChecked();
    QString text = filters.includeSystem ? tr("システム属性") : QString();
    if (filters.includeHidden) {
        if (!text.isEmpty())
            text += tr("、");
        text += tr("隠し属性");
    }
    status_.setText(1, text);
}

ColorPanel* OptionsPage::panelOfTag(int tag) const
{
    switch (tag) {
    case 0:
        return Panel6;
    case 1:
        return Panel7;
    default:
        return Panel1;
    }
}

void OptionsPage::SpeedButton6Click(int tag)
{
    ColorPanel* panel = panelOfTag(tag);
    if (const auto chosen = dialogs_.chooseColor(panel->window(), panel->color()))
        panel->setColor(*chosen);
}

void OptionsPage::Panel1MouseDown(ColorPanel& panel, Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    constexpr std::uint32_t kPale[] = {kPaleMatch, kPaleMissing, kPaleDuplicate};
    panel.setColorRef(kPale[panel.tag()]);
}

QColor OptionsPage::duplicateColor() const
{
    return Panel1->color();
}

QColor OptionsPage::matchColor() const
{
    return Panel6->color();
}

QColor OptionsPage::missingColor() const
{
    return Panel7->color();
}

bool OptionsPage::sizeInBytes() const
{
    return CheckBox5->isChecked();
}

void OptionsPage::SpeedButton17Click()
{
    const quorvex::app::DefaultColors defaults = quorvex::app::DefaultColorsForDepth(colorDepth_);
    Panel6->setColorRef(defaults.match);
    Panel7->setColorRef(defaults.missing);
}

void OptionsPage::SpeedButton18Click()
{
    Panel1->setColorRef(quorvex::app::DefaultColorsForDepth(colorDepth_).duplicate);
}
