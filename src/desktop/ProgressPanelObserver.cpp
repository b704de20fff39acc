#include "desktop/ProgressPanelObserver.h"

#include "controls/TColorProgressBar.h"
#include "controls/TSwitchButton.h"
#include "desktop/MainContext.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 kPumpIntervalMs = 15;

// QProgressBar counts in int: large byte counts are scaled into its range.
int scaledForBar(std::uint64_t value, std::uint64_t max)
{
    constexpr std::uint64_t kLimit = std::numeric_limits<int>::max();
    if (max <= kLimit)
        return static_cast<int>(std::min(value, kLimit));
    return static_cast<int>(static_cast<unsigned __int128>(value) * kLimit / max);
}

QString DurationText(quorvex::RunDuration duration)
{
    return ShownText(quorvex::FormatRunDuration(duration));
}

} // namespace

bool ThrottledEventPump::pump()
{
    if (sincePump_.isValid() && sincePump_.elapsed() < kPumpIntervalMs)
        return false;
    QCoreApplication::processEvents();
    sincePump_.start();
    return true;
}

void ProgressPanelObserver::start()
{
    pump_.restart();
    estimate_.start();
    shownTimes_.clear();
}

void ProgressPanelObserver::finish()
{
    context_.setStatusText(0, QCoreApplication::translate("ProgressPanelObserver", "所要時間 %1")
                                  .arg(DurationText(estimate_.elapsed())));
}

void ProgressPanelObserver::setOverallMax(std::uint64_t max)
{
    context_.ColorProgressBar1().setMax(max);
    estimate_.setOverallMax(max);
}

void ProgressPanelObserver::setOverallPosition(std::uint64_t position)
{
    context_.ColorProgressBar1().setPosition(position);
    estimate_.setOverallPosition(position);
}

void ProgressPanelObserver::stepOverall(std::uint64_t by)
{
    context_.ColorProgressBar1().StepBy(by);
    estimate_.stepOverall(by);
}

void ProgressPanelObserver::setFileMax(std::uint64_t max)
{
    fileMax_ = max;
    estimate_.setFileMax(max);
    context_.ProgressBar1().setMaximum(std::max(1, scaledForBar(max, max)));
}

void ProgressPanelObserver::setFilePosition(std::uint64_t position)
{
    estimate_.setFilePosition(position);
    QProgressBar& bar = context_.ProgressBar1();
    bar.setValue(std::min(bar.maximum(), scaledForBar(position, fileMax_)));
}

void ProgressPanelObserver::pumpMessages()
{
    if (!pump_.pump())
        return;
    // The texts change once a second at most: the panel is repainted only then.
    QString times = QCoreApplication::translate("ProgressPanelObserver", "経過 %1")
                        .arg(DurationText(estimate_.elapsed()));
    if (const std::optional<quorvex::RunDuration> left = estimate_.remaining())
        times += QCoreApplication::translate("ProgressPanelObserver", "  残り 約 %1")
                     .arg(DurationText(*left));
    if (times != shownTimes_) {
        shownTimes_ = times;
        context_.setStatusText(0, times);
    }
}

bool ProgressPanelObserver::cancelRequested() const
{
    return (stop_ && *stop_) || context_.CancelBtn().Down();
}
