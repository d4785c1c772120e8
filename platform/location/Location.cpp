#include "platform/location/Location.h"

#include <charconv>
#include <cmath>
#include <numbers>

namespace loc {

namespace {

std::string_view trimmed(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The whole text as one finite decimal number.
std::optional<double> number(std::string_view s) {
    s = trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
    if (s.empty() || error != std::errc() || end != s.data() + s.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}  // namespace

std::optional<Location> Location::parse(std::string_view text) {
    auto comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    auto latitude = number(text.substr(0, comma));
    auto longitude = number(text.substr(comma + 1));
    if (!latitude || !longitude || !isOnTheGlobe(*latitude, *longitude)) return std::nullopt;
    return Location(*latitude, *longitude);
}

bool Location::isOnTheGlobe(double latitude, double longitude) {
    return std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90.0 &&
           std::fabs(longitude) <= 180.0;
}

double Location::distanceFrom(const Location& other) const {
    // The central angle by its sine and cosine, which stays accurate for points close together
    // and for points nearly opposite, where the arc cosine and the haversine forms lose digits.
    double phi1 = radians(latitude_), phi2 = radians(other.latitude_);
    double dLambda = radians(other.longitude_ - longitude_);
    double a = std::cos(phi2) * std::sin(dLambda);
    double b = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    double y = std::hypot(a, b);
    double x = std::sin(phi1) * std::sin(phi2) + std::cos(phi1) * std::cos(phi2) * std::cos(dLambda);
    return std::atan2(y, x) * kEarthRadius;
}

}  // namespace loc
