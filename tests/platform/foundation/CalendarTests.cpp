#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/Locale.h"
#include "tests/support/TestEnvironment.h"

namespace {

using fnd::Calendar;
using fnd::Date;
using fnd::DateComponents;
using fnd::TimeZone;

class CalendarTest : public testing_support::TestEnvironment {};

TEST_F(CalendarTest, ComponentsAndDatesInAZone) {
    Calendar tokyo(TimeZone::named("Asia/Tokyo").value());
    // 2024-01-02 23:30:15.9 UTC is already the 3rd in Tokyo.
    DateComponents c = tokyo.components(Date::fromUnix(1704238215.9));
    EXPECT_EQ(c, (DateComponents{2024, 1, 3, 8, 30, 15, 4}));
    // Local midnight of that day, and the day's date at another time of day.
    c.hour = c.minute = c.second = 0;
    EXPECT_EQ(tokyo.date(c), Date::fromUnix(1704207600));
    EXPECT_EQ(tokyo.date({2024, 1, 3, 17, 45, 0}), Date::fromUnix(1704271500));
    // Dates before 1970 and leap days.
    EXPECT_EQ(Calendar(TimeZone::gmt()).date({1960, 2, 29, 12, 0, 0}), Date::fromUnix(-310478400));
}

TEST_F(CalendarTest, ComponentsOutOfRangeGiveNoDate) {
    Calendar gmt(TimeZone::gmt());
    EXPECT_EQ(gmt.date({2023, 2, 29, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(gmt.date({2024, 13, 1, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(gmt.date({2024, 0, 1, 0, 0, 0}), std::nullopt);
    EXPECT_EQ(gmt.date({2024, 1, 1, 24, 0, 0}), std::nullopt);
    EXPECT_EQ(gmt.date({2024, 1, 1, 0, 60, 0}), std::nullopt);
    EXPECT_EQ(gmt.date({2024, 4, 31, 0, 0, 0}), std::nullopt);
}

TEST_F(CalendarTest, DaylightSavingChanges) {
    Calendar berlin(TimeZone::named("Europe/Berlin").value());
    // 02:30 does not exist on 2024-03-31 in Berlin: it moves on by the hour skipped.
    EXPECT_EQ(berlin.date({2024, 3, 31, 2, 30, 0}), berlin.date({2024, 3, 31, 3, 30, 0}));
    EXPECT_EQ(berlin.components(*berlin.date({2024, 3, 31, 2, 30, 0})).hour, 3);
    // Noon to noon across the change is 23 hours.
    EXPECT_DOUBLE_EQ(
        berlin.date({2024, 3, 31, 12, 0, 0})->timeIntervalSince(*berlin.date({2024, 3, 30, 12, 0, 0})),
        23 * 3600.0);
    EXPECT_EQ(TimeZone::named("Europe/Berlin")->secondsFromGMT(Date::fromUnix(1704067200)), 3600);
    EXPECT_EQ(TimeZone::named("Europe/Berlin")->secondsFromGMT(Date::fromUnix(1719792000)), 7200);
}

TEST_F(CalendarTest, DeviceZoneFollowsTheMachineUnlessSet) {
    const char* saved = std::getenv("TZ");
    std::string before = saved ? saved : "";
    ::setenv("TZ", "Asia/Tokyo", 1);
    EXPECT_EQ(TimeZone::system().name(), "Asia/Tokyo");
    EXPECT_EQ(TimeZone::current().name(), "Asia/Tokyo");
    EXPECT_EQ(Calendar::current().timeZone().name(), "Asia/Tokyo");
    TimeZone::setCurrent(TimeZone::gmt());
    EXPECT_EQ(Calendar::current().timeZone().name(), "GMT");
    TimeZone::resetCurrent();
    EXPECT_EQ(TimeZone::current().name(), "Asia/Tokyo");
    if (saved)
        ::setenv("TZ", before.c_str(), 1);
    else
        ::unsetenv("TZ");

    EXPECT_EQ(TimeZone::named("Mars/Olympus"), std::nullopt);
    EXPECT_EQ(TimeZone::named(""), std::nullopt);
}

TEST_F(CalendarTest, DeviceLocaleAndItsUnits) {
    EXPECT_EQ(fnd::Locale::current().identifier(), "en_US");
    EXPECT_FALSE(fnd::Locale::current().usesMetricSystem());
    EXPECT_TRUE(fnd::Locale("de_DE").usesMetricSystem());
    EXPECT_TRUE(fnd::Locale("en_GB").usesMetricSystem());
}

TEST_F(CalendarTest, StandardDescriptionIsUtcToTheSecond) {
    EXPECT_EQ(Date::fromUnix(1704189690.999).description(), "2024-01-02 10:01:30 +0000");
    EXPECT_EQ(Date(0).description(), "2001-01-01 00:00:00 +0000");
    EXPECT_EQ(Date::fromUnix(-0.5).description(), "1969-12-31 23:59:59 +0000");
}

}  // namespace
