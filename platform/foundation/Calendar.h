#pragma once
// The Gregorian calendar in a time zone: a date's year, month, day and time of day, and the date
// of such components.

#include <optional>

#include "platform/foundation/Date.h"
#include "platform/foundation/TimeZone.h"

namespace fnd {

struct DateComponents {
    int year = 1970;
    int month = 1;  // 1-12
    int day = 1;    // 1-31
    int hour = 0;   // 0-23
    int minute = 0;
    int second = 0;
    // 1 is Sunday, 7 Saturday; read only (ignored when making a date).
    int weekday = 0;

    bool operator==(const DateComponents&) const = default;
};

class Calendar {
  public:
    explicit Calendar(TimeZone zone) : zone_(std::move(zone)) {}
    // In the device's time zone.
    static Calendar current() { return Calendar(TimeZone::current()); }

    const TimeZone& timeZone() const { return zone_; }

    // The components of the date in this calendar's zone (seconds truncated).
    DateComponents components(Date date) const;
    // The date of the components. Nothing when one is out of its range (month 13, 30 February,
    // hour 24); a wall time that a daylight-saving change skips moves forward by the change.
    std::optional<Date> date(const DateComponents& components) const;

  private:
    TimeZone zone_;
};

}  // namespace fnd
