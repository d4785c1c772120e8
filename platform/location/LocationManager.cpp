#include "platform/location/LocationManager.h"

#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"

namespace loc {

namespace {

fnd::RunLoop* mainLoop() {
    std::shared_ptr<fnd::RunLoop> loop = fnd::RunLoop::installedMain();
    return loop.get();
}

}  // namespace

LocationManager::LocationManager() = default;

LocationManager::~LocationManager() {
    if (observer_) DeviceLocation::current().removeObserver(observer_);
    if (fnd::RunLoop* loop = mainLoop()) loop->cancelPerforms(this);
}

bool LocationManager::locationServicesEnabled() { return DeviceLocation::current().servicesEnabled(); }

void LocationManager::setDistanceFilter(double metres) {
    filter_ = std::isfinite(metres) && metres >= 0 ? metres : kDistanceFilterNone;
}

void LocationManager::startUpdatingLocation() {
    fnd::RunLoop* loop = mainLoop();
    if (!loop) {
        fnd::Log::warning("location: no main run loop to report on");
        return;
    }
    if (updating_) return;
    updating_ = true;
    reportedSinceStart_ = false;
    if (!observer_) {
        // The device may change on any thread; the report is made on the main loop.
        std::weak_ptr<LocationManager> weak = weakAs<LocationManager>();
        observer_ = DeviceLocation::current().addObserver([weak] {
            if (fnd::RunLoop* l = mainLoop())
                l->post([weak] {
                    if (auto self = weak.lock()) self->deviceChanged();
                });
        });
    }
    if (!locationServicesEnabled()) {
        loop->performAfterDelay(0, *this, "fail", &LocationManager::failDenied);
        return;
    }
    loop->performAfterDelay(0, *this, "report", &LocationManager::report);
    loop->performAfterDelay(kUnknownDelay, *this, "unknown", &LocationManager::failUnknown);
}

void LocationManager::stopUpdatingLocation() {
    updating_ = false;
    if (fnd::RunLoop* loop = mainLoop()) loop->cancelPerforms(this);
}

void LocationManager::deviceChanged() {
    if (!updating_) return;
    if (!locationServicesEnabled()) {
        failDenied();
        return;
    }
    report();
}

void LocationManager::report() {
    if (!updating_) return;
    std::optional<Location> fix = DeviceLocation::current().location(accuracy_);
    if (!fix) return;  // the failure a second after the start says so
    // After the first report of a start, a position nearer than the filter to the last one is
    // no move.
    if (reportedSinceStart_ && last_ && filter_ >= 0 && fix->distanceFrom(*last_) < filter_) return;
    if (reportedSinceStart_ && last_ && fix->distanceFrom(*last_) == 0) return;
    if (fnd::RunLoop* loop = mainLoop()) loop->cancelPerforms(this, "unknown");
    std::optional<Location> previous = last_;
    last_ = fix;
    reportedSinceStart_ = true;
    auto self = sharedAs<LocationManager>();  // the delegate may let the manager go
    if (auto delegate = delegate_.lock()) delegate->didUpdateToLocation(*this, *fix, previous);
}

void LocationManager::failUnknown() {
    if (!updating_ || reportedSinceStart_) return;
    auto self = sharedAs<LocationManager>();
    if (auto delegate = delegate_.lock())
        delegate->didFailWithError(*this, {LocationError::Unknown, "location unknown"});
}

void LocationManager::failDenied() {
    if (!updating_) return;
    stopUpdatingLocation();
    auto self = sharedAs<LocationManager>();
    if (auto delegate = delegate_.lock())
        delegate->didFailWithError(*this, {LocationError::Denied, "location services are off"});
}

}  // namespace loc
