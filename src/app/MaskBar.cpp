#include "app/MaskBar.h"

#include "app/SettingsStore.h"
#include "common/Filters.h"
#include "desktop/Hint.h"
#include "platform/TextFile.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>
#include <QComboBox>

#include <algorithm>

MaskBar::MaskBar(QWidget* parent, quorvex::FilterSettings& filters)
    : QFrame(parent), filters_(filters)
{
    setObjectName(QStringLiteral("Panel4"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    ExclusionChkBox = new QCheckBox(tr("指定拡張子は除外 "), this);
    ExclusionChkBox->setObjectName(QStringLiteral("ExclusionChkBox"));
    SetHint(*ExclusionChkBox, tr("比較対象ファイルを決める（チェックなら、マスクで指定"
                                 "した拡張子のファイを除く）"));
    // The check boxes are as wide as their captions need (at least as placed for the
    // Japanese ones); the mask list between them takes the room left.
    ExclusionChkBox->setGeometry(8, 3, std::max(130, ExclusionChkBox->sizeHint().width()), 20);

    MaskTitleComboBox = new QComboBox(this);
    MaskTitleComboBox->setObjectName(QStringLiteral("MaskTitleComboBox"));
    MaskTitleComboBox->setAccessibleName(tr("マスク"));

    CheckBox1 = new QCheckBox(tr("マスクを使用する。 "), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    SetHint(*CheckBox1, tr("Caskwell で登録したファイルマスクを使用するか決める"));
    const int useMasksWidth = std::max(160, CheckBox1->sizeHint().width());
    CheckBox1->setGeometry(552 - useMasksWidth, 3, useMasksWidth, 20);
    const int maskListLeft = ExclusionChkBox->geometry().right() + 5;
    MaskTitleComboBox->setGeometry(maskListLeft, 2, CheckBox1->x() - 10 - maskListLeft, 22);

    for (QWidget* control :
         {static_cast<QWidget*>(ExclusionChkBox), static_cast<QWidget*>(MaskTitleComboBox),
          static_cast<QWidget*>(CheckBox1)})
        control->setEnabled(false);
    connect(CheckBox1, &QCheckBox::toggled, this, &MaskBar::CheckBox1Click);
    connect(MaskTitleComboBox, &QComboBox::activated, this, &MaskBar::MaskTitleComboBoxChange);
    connect(ExclusionChkBox, &QCheckBox::toggled, this,
            [this](bool checked) { filters_.exclusion = checked; });
}

void MaskBar::ReadMaskSets()
{
    const std::optional<quorvex::app::MaskSetData> data = quorvex::app::ReadMaskSetData();
    if (!data)
        return;
    if (data->exclusion)
        ExclusionChkBox->setChecked(*data->exclusion);
    const QSignalBlocker blocker(MaskTitleComboBox);
    if (data->titles) {
        MaskTitleComboBox->clear();
        for (const std::string& title : *data->titles)
            MaskTitleComboBox->addItem(ShownText(title));
        MaskTitleComboBox->setCurrentIndex(-1);
    }
    if (data->index && *data->index < static_cast<std::uint32_t>(MaskTitleComboBox->count()))
        MaskTitleComboBox->setCurrentIndex(static_cast<int>(*data->index));
    MaskSetTexts_ = data->texts;
    useChosenSet();
    if (!MaskSetTexts_.empty())
        CheckBox1->setEnabled(true);
}

void MaskBar::CheckBox1Click()
{
    const bool useMasks = CheckBox1->isChecked();
    filters_.useMasks = useMasks;
    ExclusionChkBox->setEnabled(useMasks);
    MaskTitleComboBox->setEnabled(useMasks);
}

void MaskBar::MaskTitleComboBoxChange()
{
    useChosenSet();
    if (const auto exclusion = quorvex::ExclusionForMaskTitle(
            MaskTitleComboBox->currentIndex(), TextBytes(MaskTitleComboBox->currentText())))
        ExclusionChkBox->setChecked(*exclusion);
}

void MaskBar::useChosenSet()
{
    const int index = MaskTitleComboBox->currentIndex();
    filters_.activeMasks.clear();
    if (index >= 0 && index < static_cast<int>(MaskSetTexts_.size()))
        filters_.activeMasks = quorvex::platform::SplitLines(MaskSetTexts_[index]);
}
