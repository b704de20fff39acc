// The mask controls of the top bar: whether masks are used, which set, and whether
// the set names what to leave out.
#include "app/TForm1.h"

#include "platform/TextFile.h"
#include "platform/desktop/ShownText.h"

#include <QCheckBox>
#include <QComboBox>

void TForm1::CheckBox1Click()
{
    const bool useMasks = CheckBox1->isChecked();
    filterSettings_.useMasks = useMasks;
    ExclusionChkBox->setEnabled(useMasks);
    MaskTitleComboBox->setEnabled(useMasks);
}

void TForm1::MaskTitleComboBoxChange()
{
    const int index = MaskTitleComboBox->currentIndex();
    filterSettings_.activeMasks.clear();
    if (index >= 0 && index < static_cast<int>(MaskSetTexts_.size()))
        filterSettings_.activeMasks = quorvex::platform::SplitLines(MaskSetTexts_[index]);
    if (const auto exclusion =
            quorvex::ExclusionForMaskTitle(index, TextBytes(MaskTitleComboBox->currentText())))
        ExclusionChkBox->setChecked(*exclusion);
}
