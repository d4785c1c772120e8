#include "platform/foundation/Date.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "platform/foundation/Clock.h"

namespace fnd {

Date Date::now() { return Date(Clock::shared()->wallTime()); }

double Date::timeIntervalSinceNow() const { return seconds_ - Clock::shared()->wallTime(); }

std::string Date::description() const {
    using namespace std::chrono;
    double unix = std::floor(timeIntervalSince1970());
    // Beyond the years the calendar types hold (and the distant past and future) there is nothing to show.
    if (!std::isfinite(unix) || std::fabs(unix) > 1e12) return {};
    sys_seconds moment{seconds{static_cast<long long>(unix)}};
    sys_days day = floor<days>(moment);
    year_month_day ymd{day};
    hh_mm_ss time{moment - day};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d +0000", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

}  // namespace fnd
