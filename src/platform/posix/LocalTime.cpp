#include <ctime>

#include "platform/DosTime.h"

namespace quorvex::platform {

CalendarTime ToLocalCalendar(FileTime time)
{
    const std::time_t seconds = static_cast<std::time_t>(time.seconds);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    return CalendarTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                        local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace quorvex::platform
