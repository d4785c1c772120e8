#pragma once
// How far a test centre is from the user, as the centre list and the centre map measure and show
// it. Distances are great-circle distances on a sphere of kRadius metres, kept in whole metres, and
// shown with one decimal in kilometres or miles as the locale prefers.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/location/Location.h"

class CenterDistance {
  public:
    // The radius the centres' distances have always been measured with; it is not the location
    // layer's own (the earth's mean radius), so that the figures stay as users have seen them.
    static constexpr double kRadius = 6361967.0;
    static constexpr double kMetresPerKilometre = 1000.0;
    static constexpr double kMetresPerMile = 1609.344;

    // Metres from `from` to `to`; an absent `from` counts as latitude 0, longitude 0.
    static double metres(const std::optional<loc::Location>& from, const loc::Location& to);
    // The whole metres a centre keeps: the distance with its fraction cut off.
    static std::int64_t wholeMetres(const std::optional<loc::Location>& from, const loc::Location& to);
    // "12.3 km" (metric) or "7.7 mi", the division done in single precision as the rows always
    // showed it; empty without a distance.
    static std::string text(std::optional<std::int64_t> metres, bool metric);
    // The same by the current locale.
    static std::string text(std::optional<std::int64_t> metres);
};
