#pragma once
// A position on the earth: latitude and longitude in degrees, how accurate it is (metres of
// horizontal uncertainty) and when it was taken. A value; copies are independent.

#include <optional>
#include <string_view>

#include "platform/foundation/Date.h"

namespace loc {

class Location {
  public:
    // The radius of the sphere distances are measured on: the earth's mean radius.
    static constexpr double kEarthRadius = 6371008.8;

    Location() = default;
    Location(double latitude, double longitude, double horizontalAccuracy = 0.0,
             fnd::Date timestamp = fnd::Date())
        : latitude_(latitude),
          longitude_(longitude),
          horizontalAccuracy_(horizontalAccuracy),
          timestamp_(timestamp) {}

    // "LAT,LON" in decimal degrees, as a person writes it ("48.8566,2.3522", blanks allowed around
    // either number). Nothing when the text is not two numbers or lies outside -90..90 and
    // -180..180.
    static std::optional<Location> parse(std::string_view text);
    // Whether the degrees name a place: finite, the latitude within -90..90 and the longitude within
    // -180..180.
    static bool isOnTheGlobe(double latitude, double longitude);

    double latitude() const { return latitude_; }
    double longitude() const { return longitude_; }
    double horizontalAccuracy() const { return horizontalAccuracy_; }
    fnd::Date timestamp() const { return timestamp_; }

    // The great-circle distance to the other position in metres, on a sphere of kEarthRadius.
    // Symmetric, 0 for the same place, at most half the circumference.
    double distanceFrom(const Location& other) const;

    bool operator==(const Location&) const = default;

  private:
    double latitude_ = 0.0;
    double longitude_ = 0.0;
    double horizontalAccuracy_ = 0.0;
    fnd::Date timestamp_;
};

}  // namespace loc
