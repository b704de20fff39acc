#include "desktop/ProgressPanel.h"

#include "controls/ControlStyles.h"
#include "controls/TColorProgressBar.h"
#include "controls/TSwitchButton.h"

#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {

// QProgressBar counts in int: large byte counts are scaled into its range.
int scaledForBar(std::uint64_t value, std::uint64_t max)
{
    constexpr std::uint64_t kLimit = std::numeric_limits<int>::max();
    if (max <= kLimit)
        return static_cast<int>(std::min(value, kLimit));
    return static_cast<int>(static_cast<unsigned __int128>(value) * kLimit / max);
}

} // namespace

ProgressPanel::ProgressPanel(QWidget* parent, std::function<void(const QString&)> showTimes)
    : QFrame(parent), showTimes_(std::move(showTimes))
{
    setObjectName(QStringLiteral("Panel5"));
    setFixedHeight(30);
    // Opaque, so that the controls it covers on its page do not show through.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    hide();

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setAccessibleName(tr("ファイルの進行"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(156, 7, 150, 16);

    ColorProgressBar1 = createColorProgressBar1(this);
    ColorProgressBar1->setAccessibleName(tr("全体の進行"));
    ColorProgressBar1->move(4, 5);

    CancelBtn = createSwitchButton(QStringLiteral("CancelBtn"), this);
    CancelBtn->setAccessibleName(CancelBtn->Caption());
    CancelBtn->setGeometry(316, 3, 75, 25);
}

void ProgressPanel::showRun()
{
    CancelBtn->setDown(false);
    show();
}

bool ProgressPanel::stopRequested() const
{
    return CancelBtn->Down();
}

void ProgressPanel::setOverallMax(std::uint64_t max)
{
    ColorProgressBar1->setMax(max);
}

void ProgressPanel::setOverallPosition(std::uint64_t position)
{
    ColorProgressBar1->setPosition(position);
}

void ProgressPanel::stepOverall(std::uint64_t by)
{
    ColorProgressBar1->StepBy(by);
}

void ProgressPanel::setFileMax(std::uint64_t max)
{
    fileMax_ = max;
    ProgressBar1->setMaximum(std::max(1, scaledForBar(max, max)));
}

void ProgressPanel::setFilePosition(std::uint64_t position)
{
    ProgressBar1->setValue(std::min(ProgressBar1->maximum(), scaledForBar(position, fileMax_)));
}
