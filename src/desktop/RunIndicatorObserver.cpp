#include "desktop/RunIndicatorObserver.h"

#include "desktop/RunIndicator.h"
#include "platform/desktop/ShownText.h"

#include <QCoreApplication>

namespace {

constexpr qint64 kPumpIntervalMs = 15;

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

void RunIndicatorObserver::start()
{
    windowClosing_ = false;
    estimate_.start();
    shownTimes_.clear();
    QCoreApplication::processEvents();
    pump_.restart();
}

void RunIndicatorObserver::finish()
{
    indicator_.showTimes(QCoreApplication::translate("RunIndicatorObserver", "所要時間 %1")
                             .arg(DurationText(estimate_.elapsed())));
}

void RunIndicatorObserver::setOverallMax(std::uint64_t max)
{
    indicator_.setOverallMax(max);
    estimate_.setOverallMax(max);
}

void RunIndicatorObserver::setOverallPosition(std::uint64_t position)
{
    indicator_.setOverallPosition(position);
    estimate_.setOverallPosition(position);
}

void RunIndicatorObserver::stepOverall(std::uint64_t by)
{
    indicator_.stepOverall(by);
    estimate_.stepOverall(by);
}

void RunIndicatorObserver::setFileMax(std::uint64_t max)
{
    estimate_.setFileMax(max);
    indicator_.setFileMax(max);
}

void RunIndicatorObserver::setFilePosition(std::uint64_t position)
{
    estimate_.setFilePosition(position);
    indicator_.setFilePosition(position);
}

void RunIndicatorObserver::pumpMessages()
{
    if (!pump_.pump())
        return;
    // The texts change once a second at most: the indicator shows them only then.
    QString times = QCoreApplication::translate("RunIndicatorObserver", "経過 %1")
                        .arg(DurationText(estimate_.elapsed()));
    if (const std::optional<quorvex::RunDuration> left = estimate_.remaining())
        times += QCoreApplication::translate("RunIndicatorObserver", "  残り 約 %1")
                     .arg(DurationText(*left));
    if (times != shownTimes_) {
        shownTimes_ = times;
        indicator_.showTimes(times);
    }
}

bool RunIndicatorObserver::cancelRequested() const
{
    return windowClosing_ || indicator_.stopRequested();
}
