#pragma once
// Local packed date-times (the DOS format: 2-second resolution, 1980..2099) and
// day numbers counted from 30 December 1899.

#include <cstdint>

#include "platform/FileSystem.h"

namespace quorvex::platform {

// Converts to local time (localtime_r) and packs: bits 31-25 year-1980, 24-21 month,
// 20-16 day, 15-11 hour, 10-5 minute, 4-0 seconds/2. 0 outside 1980..2099.
std::uint32_t PackLocalDosDateTime(FileTime time);

// Whole days since 1899-12-30 of the date a packed value names; 0 for packed 0.
std::int32_t DayNumberOfDosDateTime(std::uint32_t packed);

struct CalendarTime
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
// Local calendar fields of a file time.
CalendarTime ToLocalCalendar(FileTime time);

// Packs calendar fields (seconds rounded down to even); 0 outside 1980..2099.
std::uint32_t PackDosDateTime(const CalendarTime& time);
// Whole days since 1899-12-30 of a calendar date (negative before it).
std::int32_t DayNumberOfDate(int year, int month, int day);

// The present moment as a file time.
FileTime CurrentFileTime();
// Whether `a` lies after `b`.
inline bool IsLater(FileTime a, FileTime b)
{
    return a.seconds != b.seconds ? a.seconds > b.seconds : a.nanoseconds > b.nanoseconds;
}

} // namespace quorvex::platform
