#pragma once
// Panel5, the shared progress panel of the compare and duplicate pages: the overall
// bar ColorProgressBar1, the bar within a file ProgressBar1 and the toggle CancelBtn
// (down: stop requested). A run shows it on top of the page in view; the times of
// the run go to the status text it was given.

#include "desktop/RunIndicator.h"

#include <QCoreApplication>
#include <QFrame>

#include <functional>

class QProgressBar;
class TColorProgressBar;
class TSwitchButton;

class ProgressPanel : public QFrame, public RunIndicator
{
    Q_DECLARE_TR_FUNCTIONS(ProgressPanel)

public:
    ProgressPanel(QWidget* parent, std::function<void(const QString&)> showTimes);

    TColorProgressBar* ColorProgressBar1;
    QProgressBar* ProgressBar1;
    TSwitchButton* CancelBtn;

    void showRun() override;
    void hideRun() override { hide(); }
    bool stopRequested() const override;
    void setOverallMax(std::uint64_t max) override;
    void setOverallPosition(std::uint64_t position) override;
    void stepOverall(std::uint64_t by) override;
    void setFileMax(std::uint64_t max) override;
    void setFilePosition(std::uint64_t position) override;
    void showTimes(const QString& times) override { showTimes_(times); }

private:
    std::function<void(const QString&)> showTimes_;
    std::uint64_t fileMax_ = 0;
};
