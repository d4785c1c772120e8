#pragma once
// Dates as text and back, by a pattern ("HH:mm:ss|MMddyyyy", "dd MMM yyyy") or by the locale's
// styles, in a locale and a time zone. By default the device's locale and time zone.
//
// Reading is strict: the whole text must match the pattern with every field in its range, else
// the answer is nothing (never a date made up from part of the text). Blanks before a field are
// passed over only where the pattern itself has blanks. Fields the pattern lacks
// take their values from 1970-01-01 00:00:00 in the formatter's zone. Text is written with
// milliseconds truncated, so a date written with "SSS" reads back to the same millisecond.
//
// One formatter may be used from several threads at once.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Date.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/TimeZone.h"

namespace fnd {

class DateFormatter {
  public:
    enum class Style { None, Short, Medium, Long, Full };

    // The device's locale and zone, and no pattern yet (writes "" and reads nothing).
    DateFormatter();
    explicit DateFormatter(std::string pattern);
    DateFormatter(std::string pattern, Locale locale);
    DateFormatter(std::string pattern, Locale locale, TimeZone zone);
    ~DateFormatter();
    DateFormatter(const DateFormatter& other);
    DateFormatter& operator=(const DateFormatter& other);

    // The pattern; setting a style replaces it by the locale's pattern of the styles.
    std::string dateFormat() const;
    void setDateFormat(std::string pattern);
    void setDateStyle(Style style);
    void setTimeStyle(Style style);

    Locale locale() const;
    void setLocale(Locale locale);
    TimeZone timeZone() const;
    void setTimeZone(TimeZone zone);

    std::string stringFromDate(Date date) const;
    std::optional<Date> dateFromString(std::string_view text) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace fnd
