#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "platform/foundation/DateFormatter.h"
#include "tests/support/TestEnvironment.h"

namespace {

using fnd::Date;
using fnd::DateFormatter;
using fnd::Locale;
using fnd::TimeZone;

// 2024-01-02 10:01:30.250 UTC.
const Date kMorning = Date::fromUnix(1704189690.25);

TimeZone zone(const char* name) { return TimeZone::named(name).value(); }

class DateFormatterTest : public testing_support::TestEnvironment {};

TEST_F(DateFormatterTest, BackupPatternsWriteAndReadInTheDeviceZone) {
    TimeZone::setCurrent(zone("America/New_York"));
    DateFormatter backup("HH:mm:ss|MMddyyyy", Locale("en_US"));
    EXPECT_EQ(backup.timeZone().name(), "America/New_York");
    EXPECT_EQ(backup.stringFromDate(kMorning), "05:01:30|01022024");
    EXPECT_EQ(backup.dateFromString("05:01:30|01022024"), Date::fromUnix(1704189690));

    DateFormatter timer("HH:mm:ss.SSS|MMddyyyy", Locale("en_US"));
    EXPECT_EQ(timer.stringFromDate(kMorning), "05:01:30.250|01022024");
    EXPECT_EQ(timer.dateFromString("05:01:30.250|01022024"), kMorning);

    // The same text read on a device in another zone names another moment.
    TimeZone::setCurrent(zone("Europe/Berlin"));
    DateFormatter berlin("HH:mm:ss|MMddyyyy", Locale("en_US"));
    EXPECT_EQ(berlin.dateFromString("05:01:30|01022024"), Date::fromUnix(1704189690 - 6 * 3600));
}

TEST_F(DateFormatterTest, MillisecondPatternRoundTripsToTheMillisecond) {
    DateFormatter timer("HH:mm:ss.SSS|MMddyyyy", Locale("en_US"), zone("Asia/Kolkata"));
    DateFormatter wire("yyyyMMddHHmmss.SSS", Locale("en_US"), TimeZone::gmt());
    std::mt19937_64 random(7);
    std::uniform_int_distribution<long long> millis(946684800000LL, 4102444800000LL);  // 2000 to 2100
    for (int i = 0; i < 2000; ++i) {
        long long ms = millis(random);
        // A moment somewhere inside the millisecond, as the clock gives it.
        Date moment = Date::fromUnix(static_cast<double>(ms) / 1000.0 + 0.0004);
        for (const DateFormatter* f : {&timer, &wire}) {
            std::string text = f->stringFromDate(moment);
            auto back = f->dateFromString(text);
            ASSERT_TRUE(back) << text;
            EXPECT_NEAR(back->timeIntervalSince1970(), static_cast<double>(ms) / 1000.0, 1e-6) << text;
            EXPECT_EQ(f->stringFromDate(*back), text);
        }
        EXPECT_EQ(timer.stringFromDate(moment).size(), 21u);
        EXPECT_EQ(wire.stringFromDate(moment).size(), 18u);
    }
    EXPECT_EQ(wire.stringFromDate(kMorning), "20240102100130.250");
}

TEST_F(DateFormatterTest, TextThatDoesNotMatchGivesNothing) {
    DateFormatter wire("yyyyMMddHHmmss.SSS", Locale("en_US"), TimeZone::gmt());
    for (const char* bad : {"", "garbage", "20240102100130", "20240102100130.250x", "2024 0102100130.250",
                            " 20240102100130.250",
                            "20240230100130.250",  // 30 February
                            "20241302100130.250",  // month 13
                            "20240102250130.250",  // hour 25
                            "20240102106130.250",  // minute 61
                            "2024-01-02 10:01:30"}) {
        EXPECT_EQ(wire.dateFromString(bad), std::nullopt) << bad;
    }
    DateFormatter backup("HH:mm:ss|MMddyyyy", Locale("en_US"), TimeZone::gmt());
    EXPECT_EQ(backup.dateFromString("10:01:30-01022024"), std::nullopt);
    EXPECT_EQ(backup.dateFromString("10:01:30|0102202"), std::nullopt);
    EXPECT_EQ(backup.dateFromString("10:01|01022024"), std::nullopt);
    EXPECT_EQ(backup.dateFromString("10:01:30|0102 024"), std::nullopt);
    // No pattern: nothing to write or read.
    DateFormatter empty;
    EXPECT_EQ(empty.stringFromDate(kMorning), "");
    EXPECT_EQ(empty.dateFromString("10:01:30|01022024"), std::nullopt);
}

TEST_F(DateFormatterTest, ShortDatesUseTheLocaleMonthNamesAndDefaultTo1970) {
    DateFormatter session("MMM dd\n yyyy", Locale("en_US"), TimeZone::gmt());
    EXPECT_EQ(session.stringFromDate(kMorning), "Jan 02\n 2024");
    session.setDateFormat("MMM dd");
    EXPECT_EQ(session.stringFromDate(kMorning), "Jan 02");
    // Fields the pattern lacks are those of 1970-01-01 00:00:00 in the formatter's zone.
    EXPECT_EQ(session.dateFromString("Mar 05"), Date::fromUnix(63 * 86400.0));

    // "dd-MMM" follows the device's locale.
    DateFormatter history("dd-MMM");
    history.setTimeZone(TimeZone::gmt());
    EXPECT_EQ(history.stringFromDate(kMorning), "02-Jan");
    Locale::setCurrent(Locale("fr_FR"));
    DateFormatter french("dd-MMM");
    french.setTimeZone(TimeZone::gmt());
    EXPECT_EQ(french.locale().identifier(), "fr_FR");
    EXPECT_EQ(french.stringFromDate(Date::fromUnix(1706745600)), "01-févr.");

    DateFormatter item("dd MMM yyyy", Locale("en_US"), TimeZone::gmt());
    EXPECT_EQ(item.stringFromDate(kMorning), "02 Jan 2024");
}

TEST_F(DateFormatterTest, FeedDatesInTheirUsualForms) {
    const char* patterns[] = {"EEE, dd MMM yyyy HH:mm:ss zzzz", "yyyy-MM-dd'T'HH:mm:ss",
                              "EEE, dd MMM yyyy HH:mm:ss"};
    auto read = [&](const char* text) -> std::optional<Date> {
        for (const char* pattern : patterns)
            if (auto d = DateFormatter(pattern, Locale("en"), TimeZone::gmt()).dateFromString(text)) return d;
        return std::nullopt;
    };
    const Date four = Date::fromUnix(1055217600);  // 2003-06-10 04:00:00 UTC
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00 GMT"), four);
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00 +0000"), four);
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00 -0500"), four.addingTimeInterval(5 * 3600));
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00 EST"), four.addingTimeInterval(5 * 3600));
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00 PDT"), four.addingTimeInterval(7 * 3600));
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00"), four);
    EXPECT_EQ(read("2003-06-10T04:00:00"), four);
    EXPECT_EQ(read("10 June 2003"), std::nullopt);
    EXPECT_EQ(read("Tue, 10 Jun 2003 04:00:00 Nowhere"), std::nullopt);
}

TEST_F(DateFormatterTest, StylesGiveTheLocalePattern) {
    DateFormatter longDate;
    longDate.setTimeZone(TimeZone::gmt());
    longDate.setDateStyle(DateFormatter::Style::Long);
    EXPECT_EQ(longDate.stringFromDate(kMorning), "January 2, 2024");
    longDate.setLocale(Locale("de_DE"));
    EXPECT_EQ(longDate.stringFromDate(kMorning), "2. Januar 2024");
    longDate.setDateStyle(DateFormatter::Style::None);
    EXPECT_EQ(longDate.dateFormat(), "");
}

TEST_F(DateFormatterTest, OneFormatterServesManyThreadsAndCopiesStandAlone) {
    DateFormatter wire("yyyyMMddHHmmss.SSS", Locale("en_US"), TimeZone::gmt());
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i) {
                Date d = kMorning.addingTimeInterval(t * 86400.0 + i);
                auto back = wire.dateFromString(wire.stringFromDate(d));
                if (!back || *back != d) ++wrong;
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(wrong.load(), 0);

    DateFormatter copy = wire;
    copy.setTimeZone(zone("Asia/Tokyo"));
    EXPECT_EQ(wire.stringFromDate(kMorning), "20240102100130.250");
    EXPECT_EQ(copy.stringFromDate(kMorning), "20240102190130.250");
}

}  // namespace
