#pragma once
// Panel4 of the top bar: whether the extension masks are used (CheckBox1), which set
// (MaskTitleComboBox, the titles of the sets read at start) and whether the set names
// what to leave out (ExclusionChkBox). The controls keep the masks of the filters
// current; they stay disabled until a set was read.

#include <QFrame>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;

namespace quorvex {
struct FilterSettings;
}

class MaskBar : public QFrame
{
    Q_OBJECT

public:
    MaskBar(QWidget* parent, quorvex::FilterSettings& filters);

    QCheckBox* ExclusionChkBox;
    QComboBox* MaskTitleComboBox;
    QCheckBox* CheckBox1;

    // The mask sets and the chosen one, from the registry (at start).
    void ReadMaskSets();
    void CheckBox1Click();
    void MaskTitleComboBoxChange();
    const std::vector<std::string>& MaskSetTexts() const { return MaskSetTexts_; }

private:
    // The masks of the chosen set, none while no set is chosen.
    void useChosenSet();

    quorvex::FilterSettings& filters_;
    std::vector<std::string> MaskSetTexts_;
};
