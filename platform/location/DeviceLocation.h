#pragma once
// Where the device is, as the platform's location service reports it. The machine has no receiver,
// so the position is whatever the program was told (the option --location, or a test); until then
// it is unknown and the service has nothing to report. Any thread.

#include <mutex>
#include <optional>

#include "platform/location/Location.h"

namespace loc {

class DeviceLocation {
  public:
    // Accuracies a caller can ask for, in metres.
    static constexpr double kAccuracyBest = 0.0;
    static constexpr double kAccuracyHundredMeters = 100.0;

    static DeviceLocation& current();

    // Back to an unknown position (program start and tests).
    void reset();

    // The device is at that latitude and longitude (degrees); the time stamp and accuracy of the
    // given location are not kept.
    void setPosition(const Location& position);
    bool isKnown() const;

    // The position as a fix at the given accuracy, stamped with the present time; nothing while the
    // position is unknown. The position is as exact as it was set, so every accuracy is met and the
    // fix reports the one asked for (a negative one counts as the best).
    std::optional<Location> location(double accuracy = kAccuracyHundredMeters) const;

  private:
    DeviceLocation() = default;

    mutable std::mutex mutex_;
    std::optional<Location> position_;
};

}  // namespace loc
