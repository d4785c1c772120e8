#pragma once
// Location updates for a screen: it asks for them with startUpdatingLocation and hears of each new
// position, or of a failure, through its delegate, on the main run loop, never inside the call that
// started them. The positions come from the device (DeviceLocation).
//
//   - The first report after a start is the device's present position (the previous one the
//     manager reported is passed as the old one; none the first time). After that a position is
//     reported again when the device has moved at least the distance filter from the last one
//     reported (any move when the filter is kDistanceFilterNone).
//   - With no position known, a start fails once with LocationError::Unknown ("location unknown")
//     a second later and goes on waiting: a position that comes later is still reported.
//   - With the services off a start fails with LocationError::Denied on the next turn and stops.
//   - stopUpdatingLocation ends the updates and cancels what was pending.
//
//     auto manager = std::make_shared<loc::LocationManager>();
//     manager->setDelegate(self);
//     manager->setDesiredAccuracy(loc::LocationManager::kAccuracyHundredMeters);
//     manager->setDistanceFilter(200.0);
//     manager->startUpdatingLocation();

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/location/DeviceLocation.h"
#include "platform/location/Location.h"

namespace loc {

class LocationManager;

struct LocationError {
    enum Code { Unknown = 0, Denied = 1 };
    Code code = Unknown;
    std::string message;  // "location unknown", "location services are off"
};

class LocationManagerDelegate {
  public:
    virtual ~LocationManagerDelegate() = default;
    // A new position; `previous` is the one reported before (none the first time).
    virtual void didUpdateToLocation(LocationManager&, const Location& location,
                                     const std::optional<Location>& previous) {
        (void)location;
        (void)previous;
    }
    virtual void didFailWithError(LocationManager&, const LocationError& error) { (void)error; }
};

class LocationManager : public fnd::Object {
  public:
    static constexpr double kAccuracyBest = DeviceLocation::kAccuracyBest;
    static constexpr double kAccuracyHundredMeters = DeviceLocation::kAccuracyHundredMeters;
    static constexpr double kDistanceFilterNone = -1.0;
    // How long a start waits for a position before it reports that none is known.
    static constexpr double kUnknownDelay = 1.0;

    LocationManager();
    ~LocationManager() override;

    // Whether the person lets the device find its position.
    static bool locationServicesEnabled();

    void setDelegate(std::weak_ptr<LocationManagerDelegate> delegate) { delegate_ = std::move(delegate); }
    double desiredAccuracy() const { return accuracy_; }
    void setDesiredAccuracy(double metres) { accuracy_ = metres; }
    double distanceFilter() const { return filter_; }
    // A negative or non-finite distance means none: every move is reported.
    void setDistanceFilter(double metres);

    void startUpdatingLocation();
    void stopUpdatingLocation();
    bool isUpdating() const { return updating_; }
    // The last position reported; nothing before the first.
    const std::optional<Location>& location() const { return last_; }

  private:
    void deviceChanged();
    void report();
    void failUnknown();
    void failDenied();

    std::weak_ptr<LocationManagerDelegate> delegate_;
    double accuracy_ = kAccuracyBest;
    double filter_ = kDistanceFilterNone;
    bool updating_ = false;
    bool reportedSinceStart_ = false;
    std::optional<Location> last_;
    int observer_ = 0;
};

}  // namespace loc
