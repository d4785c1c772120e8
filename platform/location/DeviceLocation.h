#pragma once
// Where the device is, as the platform's location service knows it. The machine has no receiver,
// so the position is whatever the program was told (the option --location, the display page's
// location control, or a test); until then it is unknown. The person may also have switched the
// location services off (`--location off`, the page's control), and then nothing is reported at
// all. Location managers follow the changes through an observer. Any thread.

#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/location/Location.h"

namespace loc {

class DeviceLocation {
  public:
    // Accuracies a caller can ask for, in metres.
    static constexpr double kAccuracyBest = 0.0;
    static constexpr double kAccuracyHundredMeters = 100.0;

    static DeviceLocation& current();

    // Back to an unknown position with the services on (program start and tests). Observers stay.
    void reset();

    // The device is at that latitude and longitude (degrees); the time stamp and accuracy of the
    // given location are not kept. A position off the globe (or not a number) is refused, logged,
    // and changes nothing. The services stay as they are.
    void setPosition(const Location& position);
    // The position is no longer known.
    void forgetPosition();
    bool isKnown() const;
    // The last position set, known or not; nothing before any.
    std::optional<Location> position() const;

    // Whether the location services are on (the default).
    bool servicesEnabled() const;
    void setServicesEnabled(bool enabled);

    // The position as a fix at the given accuracy, stamped with the present time; nothing while the
    // position is unknown or the services are off. The position is as exact as it was set, so every
    // accuracy is met and the fix reports the one asked for (a negative one counts as the best).
    std::optional<Location> location(double accuracy = kAccuracyHundredMeters) const;

    // Called after every change of the position or of the services, on the thread that made it.
    using Observer = std::function<void()>;
    int addObserver(Observer observer);
    void removeObserver(int id);

  private:
    DeviceLocation() = default;
    void changed();

    mutable std::mutex mutex_;
    std::optional<Location> position_;
    bool enabled_ = true;
    std::vector<std::pair<int, Observer>> observers_;
    int nextObserver_ = 1;
};

}  // namespace loc
