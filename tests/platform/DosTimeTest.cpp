#include <gtest/gtest.h>

#include "platform/DosTime.h"
#include "support/TempTree.h"

namespace quorvex::platform {
namespace {

TEST(DosTime, PacksTheFirstAndLastRepresentableDates)
{
    EXPECT_EQ(PackDosDateTime({1980, 1, 1, 0, 0, 0}), 0x00210000u);
    const std::uint32_t last = 119u << 25 | 12u << 21 | 31u << 16 | 23u << 11 | 59u << 5 | 29u;
    EXPECT_EQ(PackDosDateTime({2099, 12, 31, 23, 59, 59}), last);
    EXPECT_EQ(PackDosDateTime({1979, 12, 31, 23, 59, 59}), 0u);
    EXPECT_EQ(PackDosDateTime({2100, 1, 1, 0, 0, 0}), 0u);
}

TEST(DosTime, PacksFileTimesInLocalTime)
{
    // The tests run with TZ=Asia/Tokyo; the packed value must name the local clock.
    const auto seconds = test::LocalTimeToEpoch("2024-02-29 13:45:07");
    const std::uint32_t expected = 44u << 25 | 2u << 21 | 29u << 16 | 13u << 11 | 45u << 5 | 3u;
    EXPECT_EQ(PackLocalDosDateTime({seconds, 999'999'999}), expected);
    EXPECT_EQ(PackLocalDosDateTime({test::LocalTimeToEpoch("1979-12-31 23:59:59"), 0}), 0u);
    EXPECT_EQ(PackLocalDosDateTime({test::LocalTimeToEpoch("2100-01-01 00:00:00"), 0}), 0u);

    const CalendarTime fields = ToLocalCalendar({seconds, 0});
    EXPECT_EQ(fields.year, 2024);
    EXPECT_EQ(fields.hour, 13);
    EXPECT_EQ(fields.second, 7);
}

TEST(DosTime, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(DayNumberOfDate(1899, 12, 30), 0);
    EXPECT_EQ(DayNumberOfDate(1900, 1, 1), 2);
    EXPECT_EQ(DayNumberOfDate(1900, 3, 1), 61); // 1900 is no leap year
    EXPECT_EQ(DayNumberOfDate(2000, 1, 1), 36526);
    EXPECT_EQ(DayNumberOfDosDateTime(PackDosDateTime({1980, 1, 1, 23, 59, 58})), 29221);
    EXPECT_EQ(DayNumberOfDosDateTime(PackDosDateTime({2099, 12, 31, 0, 0, 0})), 73050);
    EXPECT_EQ(DayNumberOfDosDateTime(0), 0);
}

} // namespace
} // namespace quorvex::platform
