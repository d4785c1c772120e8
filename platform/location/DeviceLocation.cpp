#include "platform/location/DeviceLocation.h"

#include <cmath>

#include "platform/foundation/Log.h"

namespace loc {

DeviceLocation& DeviceLocation::current() {
    // Never destroyed: location managers that end while the program exits still remove their observers.
    static DeviceLocation* device = new DeviceLocation;
    return *device;
}

void DeviceLocation::reset() {
    {
        std::lock_guard lock(mutex_);
        position_.reset();
        enabled_ = true;
    }
    changed();
}

void DeviceLocation::setPosition(const Location& position) {
    if (!Location::isOnTheGlobe(position.latitude(), position.longitude())) {
        fnd::Log::warning("location: a position off the globe was refused: ", position.latitude(), ",",
                          position.longitude());
        return;
    }
    {
        std::lock_guard lock(mutex_);
        position_ = Location(position.latitude(), position.longitude());
    }
    changed();
}

void DeviceLocation::forgetPosition() {
    {
        std::lock_guard lock(mutex_);
        position_.reset();
    }
    changed();
}

bool DeviceLocation::isKnown() const {
    std::lock_guard lock(mutex_);
    return position_.has_value();
}

std::optional<Location> DeviceLocation::position() const {
    std::lock_guard lock(mutex_);
    return position_;
}

bool DeviceLocation::servicesEnabled() const {
    std::lock_guard lock(mutex_);
    return enabled_;
}

void DeviceLocation::setServicesEnabled(bool enabled) {
    {
        std::lock_guard lock(mutex_);
        enabled_ = enabled;
    }
    changed();
}

std::optional<Location> DeviceLocation::location(double accuracy) const {
    std::lock_guard lock(mutex_);
    if (!position_ || !enabled_) return std::nullopt;
    if (!(accuracy >= 0.0)) accuracy = kAccuracyBest;
    return Location(position_->latitude(), position_->longitude(), accuracy, fnd::Date::now());
}

int DeviceLocation::addObserver(Observer observer) {
    std::lock_guard lock(mutex_);
    int id = nextObserver_++;
    observers_.emplace_back(id, std::move(observer));
    return id;
}

void DeviceLocation::removeObserver(int id) {
    std::lock_guard lock(mutex_);
    std::erase_if(observers_, [id](const auto& o) { return o.first == id; });
}

void DeviceLocation::changed() {
    std::vector<std::pair<int, Observer>> observers;
    {
        std::lock_guard lock(mutex_);
        observers = observers_;  // an observer may remove itself
    }
    for (auto& [id, observer] : observers) observer();
}

}  // namespace loc
