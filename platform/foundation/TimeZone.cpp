#include "platform/foundation/TimeZone.h"

#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cmath>
#include <memory>
#include <mutex>

namespace fnd {

namespace {

std::mutex& currentMutex() {
    static std::mutex m;
    return m;
}
std::optional<TimeZone>& currentSlot() {
    static std::optional<TimeZone> zone;
    return zone;
}

std::string idOf(const icu::TimeZone& zone) {
    icu::UnicodeString id;
    zone.getID(id);
    std::string out;
    id.toUTF8String(out);
    return out;
}

bool isUnknown(const icu::TimeZone& zone) {
    icu::UnicodeString id;
    zone.getID(id);
    return id == icu::UnicodeString(UCAL_UNKNOWN_ZONE_ID);
}

}  // namespace

std::optional<TimeZone> TimeZone::named(std::string_view name) {
    if (name.empty()) return std::nullopt;
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(
        icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), name.size()))));
    if (!zone || isUnknown(*zone)) return std::nullopt;
    return TimeZone(std::string(name));
}

TimeZone TimeZone::gmt() { return TimeZone("GMT"); }

TimeZone TimeZone::system() {
    std::unique_ptr<icu::TimeZone> host(icu::TimeZone::detectHostTimeZone());
    if (!host || isUnknown(*host)) return gmt();
    return TimeZone(idOf(*host));
}

TimeZone TimeZone::current() {
    {
        std::lock_guard lock(currentMutex());
        if (currentSlot()) return *currentSlot();
    }
    return system();
}

void TimeZone::setCurrent(TimeZone zone) {
    std::lock_guard lock(currentMutex());
    currentSlot() = std::move(zone);
}

void TimeZone::resetCurrent() {
    std::lock_guard lock(currentMutex());
    currentSlot().reset();
}

int TimeZone::secondsFromGMT(Date date) const {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name_)));
    UErrorCode status = U_ZERO_ERROR;
    int32_t raw = 0, dst = 0;
    zone->getOffset(std::floor(date.timeIntervalSince1970()) * 1000.0, false, raw, dst, status);
    if (U_FAILURE(status)) return 0;
    return (raw + dst) / 1000;
}

}  // namespace fnd
