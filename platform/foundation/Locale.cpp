#include "platform/foundation/Locale.h"

#include <unicode/ulocdata.h>

#include <mutex>

namespace fnd {

namespace {
std::mutex& currentMutex() {
    static std::mutex m;
    return m;
}
Locale& currentSlot() {
    static Locale locale{Locale::kDeviceDefault};
    return locale;
}
}  // namespace

Locale Locale::current() {
    std::lock_guard lock(currentMutex());
    return currentSlot();
}

void Locale::setCurrent(Locale locale) {
    std::lock_guard lock(currentMutex());
    currentSlot() = std::move(locale);
}

void Locale::resetCurrent() { setCurrent(Locale(kDeviceDefault)); }

bool Locale::usesMetricSystem() const {
    UErrorCode status = U_ZERO_ERROR;
    UMeasurementSystem system = ulocdata_getMeasurementSystem(identifier_.c_str(), &status);
    // Only US customary units count as not metric; a locale ICU cannot tell about counts as metric.
    return U_FAILURE(status) || system != UMS_US;
}

}  // namespace fnd
