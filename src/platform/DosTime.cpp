#include "platform/DosTime.h"

#include <chrono>

namespace quorvex::platform {

std::uint32_t PackDosDateTime(const CalendarTime& time)
{
    if (time.year < 1980 || time.year > 2099)
        return 0;
    return static_cast<std::uint32_t>(time.year - 1980) << 25 |
           static_cast<std::uint32_t>(time.month) << 21 |
           static_cast<std::uint32_t>(time.day) << 16 |
           static_cast<std::uint32_t>(time.hour) << 11 |
           static_cast<std::uint32_t>(time.minute) << 5 |
           static_cast<std::uint32_t>(time.second / 2);
}

std::uint32_t PackLocalDosDateTime(FileTime time)
{
    return PackDosDateTime(ToLocalCalendar(time));
}

std::int32_t DayNumberOfDate(int year, int month, int day)
{
    using namespace std::chrono;
    const sys_days date{std::chrono::year(year) / static_cast<unsigned>(month) /
                        static_cast<unsigned>(day)};
    const sys_days origin{std::chrono::year(1899) / December / 30};
    return static_cast<std::int32_t>((date - origin).count());
}

std::int32_t DayNumberOfDosDateTime(std::uint32_t packed)
{
    if (packed == 0)
        return 0;
    return DayNumberOfDate(static_cast<int>(packed >> 25) + 1980,
                           static_cast<int>(packed >> 21 & 0x0F),
                           static_cast<int>(packed >> 16 & 0x1F));
}

FileTime CurrentFileTime()
{
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::floor<std::chrono::seconds>(since);
    return {seconds.count(),
            static_cast<std::int32_t>(std::chrono::nanoseconds(since - seconds).count())};
}

} // namespace quorvex::platform
