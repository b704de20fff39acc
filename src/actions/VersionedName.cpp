#include "actions/VersionedName.h"

#include <cstdio>

#include "platform/DosTime.h"
#include "platform/PathText.h"

namespace quorvex {

namespace {

constexpr int kNumbers = 1000;

} // namespace

std::string VersionedPath(const std::string& path, std::int64_t lastWrite,
                          const std::function<bool(const std::string&)>& taken)
{
    const std::size_t nameStart = platform::FindLastSeparator(path) + 1; // npos + 1: the whole path
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= nameStart)
        dot = path.size();
    const platform::CalendarTime time = platform::ToLocalCalendar({lastWrite, 0});
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d%02d%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    const std::string stem = path.substr(0, dot) + " (" + stamp, extension = path.substr(dot);
    std::string candidate = stem + ")" + extension;
    for (int number = 2; taken(candidate) && number <= kNumbers; ++number)
        candidate = stem + " " + std::to_string(number) + ")" + extension;
    return candidate;
}

} // namespace quorvex
