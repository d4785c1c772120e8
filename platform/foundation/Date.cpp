#include "platform/foundation/Date.h"

#include "platform/foundation/Clock.h"

namespace fnd {

Date Date::now() { return Date(Clock::shared()->wallTime()); }

double Date::timeIntervalSinceNow() const { return seconds_ - Clock::shared()->wallTime(); }

}  // namespace fnd
