#include "platform/location/DeviceLocation.h"

namespace loc {

DeviceLocation& DeviceLocation::current() {
    static DeviceLocation device;
    return device;
}

void DeviceLocation::reset() {
    std::lock_guard lock(mutex_);
    position_.reset();
}

void DeviceLocation::setPosition(const Location& position) {
    std::lock_guard lock(mutex_);
    position_ = Location(position.latitude(), position.longitude());
}

bool DeviceLocation::isKnown() const {
    std::lock_guard lock(mutex_);
    return position_.has_value();
}

std::optional<Location> DeviceLocation::location(double accuracy) const {
    std::lock_guard lock(mutex_);
    if (!position_) return std::nullopt;
    if (!(accuracy >= 0.0)) accuracy = kAccuracyBest;
    return Location(position_->latitude(), position_->longitude(), accuracy, fnd::Date::now());
}

}  // namespace loc
