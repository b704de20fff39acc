#include "controls/ControlStyles.h"

#include "controls/TColorProgressBar.h"
#include "controls/TNewTrackBar.h"
#include "controls/TSwitchButton.h"

#include <QCoreApplication>
#include <QFont>
#include <array>
#include <optional>

namespace {

struct SwitchButtonStyle
{
    const char* name = nullptr;
    const char* caption = nullptr;
    std::optional<QColor> colorButton = {}; // empty: button face
    int groupIndex = 0;
    std::optional<QColor> colorDown = {};
    std::optional<QColor> colorDownText = {};
    int shadow = 2; // the same offset right and down
    std::optional<QColor> shadowColor = {};
    std::optional<QColor> shadowDownColor = {};
    const char* hint = nullptr;
    bool handCursor = false;
};

const QColor navy(0, 0, 128), purple(128, 0, 128), green(0, 128, 0), maroon(128, 0, 0),
    darkRed(176, 0, 0), red(255, 0, 0);

const std::array<SwitchButtonStyle, 11> switchButtonStyles{{
    {.name = "SwitchButton2",
     .caption = "Version",
     .colorButton = navy,
     .hint = QT_TRANSLATE_NOOP("ControlStyles", "バージョン情報")},
    {.name = "SwitchButton3",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "終了"),
     .colorButton = purple},
    {.name = "SwitchButton1",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "開始"),
     .colorButton = green,
     .colorDownText = red},
    {.name = "CancelBtn", .caption = "Cancel", .colorButton = maroon, .groupIndex = 9},
    {.name = "SwitchButton8",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "開始"),
     .colorButton = green,
     .colorDownText = red},
    {.name = "SwitchButton6",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "削除"),
     .colorButton = darkRed,
     .colorDownText = red,
     .handCursor = true},
    {.name = "SwitchButton5",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "設定／開始"),
     .colorButton = green,
     .groupIndex = 7,
     .colorDown = QColor(255, 255, 0),
     .colorDownText = QColor(128, 128, 0),
     .shadow = 1,
     .shadowColor = green,
     .shadowDownColor = QColor(192, 192, 192),
     .handCursor = true},
    {.name = "ModosuSwBtn",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "元に戻す"),
     .colorButton = navy,
     .handCursor = true},
    {.name = "DelSwBtn",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "ごみ箱から削除"),
     .colorButton = darkRed,
     .handCursor = true},
    {.name = "AllSelectBtn",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "全て選択"),
     .colorButton = navy,
     .handCursor = true},
    {.name = "GomiOpenSwBtn",
     .caption = QT_TRANSLATE_NOOP("ControlStyles", "ごみ箱を開く"),
     .groupIndex = 3,
     .colorDown = QColor(0, 128, 128),
     .colorDownText = QColor(255, 255, 255),
     .shadow = 1,
     .handCursor = true},
}};

} // namespace

QStringList switchButtonNames()
{
    QStringList names;
    for (const SwitchButtonStyle& style : switchButtonStyles)
        names << QString::fromLatin1(style.name);
    return names;
}

TSwitchButton* createSwitchButton(const QString& name, QWidget* parent)
{
    for (const SwitchButtonStyle& style : switchButtonStyles) {
        if (name != QLatin1String(style.name))
            continue;
        auto* button = new TSwitchButton(parent);
        button->setObjectName(name);
        QFont font(QStringLiteral("ＭＳ Ｐ明朝"));
        font.setPixelSize(13);
        font.setBold(true);
        button->setFont(font);
        button->setFontColor(Qt::white);
        button->setAllowAllUp(true);
        button->setRoundSize(10);
        button->setCaption(QCoreApplication::translate("ControlStyles", style.caption));
        button->setGroupIndex(style.groupIndex);
        if (style.colorButton)
            button->setColorButton(*style.colorButton);
        if (style.colorDown)
            button->setColorDown(*style.colorDown);
        if (style.colorDownText)
            button->setColorDownText(*style.colorDownText);
        button->setShadow(style.shadow, style.shadow);
        if (style.shadowColor)
            button->setShadowColor(*style.shadowColor);
        if (style.shadowDownColor)
            button->setShadowDownColor(*style.shadowDownColor);
        if (style.hint)
            button->setToolTip(QCoreApplication::translate("ControlStyles", style.hint));
        if (style.handCursor)
            button->setCursor(Qt::PointingHandCursor);
        button->finishLoading();
        return button;
    }
    return nullptr;
}

TColorProgressBar* createColorProgressBar1(QWidget* parent)
{
    auto* bar = new TColorProgressBar(parent);
    bar->setObjectName(QStringLiteral("ColorProgressBar1"));
    bar->resize(145, 20);
    bar->setMax(100);
    bar->setBlockCount(8);
    bar->setBoxColor(QColor(212, 208, 200));
    bar->setBarColor(QColor(0, 0, 128));
    bar->setLineColor(QColor(128, 128, 128));
    bar->setBarStyle(TColorProgressBar::btWin7);
    bar->setTextSwitch(true);
    bar->setFlat(true);
    bar->setShadow(true);
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(12);
    bar->setFont(font);
    bar->setFontColor(Qt::black);
    return bar;
}

TNewTrackBar* createNewTrackBar1(QWidget* parent)
{
    auto* track = new TNewTrackBar(parent);
    track->setObjectName(QStringLiteral("NewTrackBar1"));
    track->resize(97, 24);
    track->setRange(10, 100);
    track->setValue(100);
    track->setTickPosition(QSlider::TicksAbove);
    track->setTickInterval(10);
    track->setSingleStep(1);
    track->setPageStep(10);
    track->setSelection(10, 100);
    track->setThumbLength(15);
    track->setBarStyle(TNewTrackBar::styLine);
    track->setCursor(Qt::PointingHandCursor);
    track->setToolTip(
        QCoreApplication::translate("ControlStyles", "指定した値以上、一致するファイルだけを検索"));
    return track;
}
