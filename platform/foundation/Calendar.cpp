#include "platform/foundation/Calendar.h"

#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <cmath>
#include <memory>

namespace fnd {

namespace {

std::unique_ptr<icu::GregorianCalendar> makeCalendar(const TimeZone& zone) {
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone.name())), status);
    if (U_FAILURE(status)) return nullptr;
    return calendar;
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

DateComponents Calendar::components(Date date) const {
    DateComponents c;
    auto calendar = makeCalendar(zone_);
    double unix = date.timeIntervalSince1970();
    if (!calendar || !std::isfinite(unix)) return c;
    UErrorCode status = U_ZERO_ERROR;
    calendar->setTime(std::floor(unix) * 1000.0, status);
    auto get = [&](UCalendarDateFields field) { return calendar->get(field, status); };
    c.year = get(UCAL_EXTENDED_YEAR);
    c.month = get(UCAL_MONTH) + 1;
    c.day = get(UCAL_DATE);
    c.hour = get(UCAL_HOUR_OF_DAY);
    c.minute = get(UCAL_MINUTE);
    c.second = get(UCAL_SECOND);
    c.weekday = get(UCAL_DAY_OF_WEEK);
    return U_SUCCESS(status) ? c : DateComponents{};
}

std::optional<Date> Calendar::date(const DateComponents& c) const {
    auto calendar = makeCalendar(zone_);
    if (!calendar || !inRange(c.month, 1, 12) || !inRange(c.hour, 0, 23) || !inRange(c.minute, 0, 59) ||
        !inRange(c.second, 0, 59) || !inRange(c.year, -100000, 100000))
        return std::nullopt;
    calendar->clear();
    calendar->set(UCAL_EXTENDED_YEAR, c.year);
    calendar->set(UCAL_MONTH, c.month - 1);
    UErrorCode status = U_ZERO_ERROR;
    if (!inRange(c.day, 1, calendar->getActualMaximum(UCAL_DATE, status))) return std::nullopt;
    calendar->set(UCAL_DATE, c.day);
    calendar->set(UCAL_HOUR_OF_DAY, c.hour);
    calendar->set(UCAL_MINUTE, c.minute);
    calendar->set(UCAL_SECOND, c.second);
    UDate millis = calendar->getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    return Date::fromUnix(millis / 1000.0);
}

}  // namespace fnd
