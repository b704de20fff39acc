// Local calendar time the way Windows gives it: FileTimeToLocalFileTime applies the
// time zone's current bias, then FileTimeToSystemTime splits the result.

#include "platform/DosTime.h"
#include "platform/win32/FileTimes.h"

namespace quorvex::platform {

CalendarTime ToLocalCalendar(FileTime time)
{
    if (time.seconds < -win32::kEpochDifference)
        return {};
    const FILETIME utc = win32::ToFiletime(time);
    FILETIME local;
    SYSTEMTIME fields;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields))
        return {};
    return CalendarTime{fields.wYear, fields.wMonth,  fields.wDay,
                        fields.wHour, fields.wMinute, fields.wSecond};
}

} // namespace quorvex::platform
