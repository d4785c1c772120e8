#include "platform/maps/MapProjection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/location/Location.h"

namespace maps {

namespace {

// Near the poles the cosine goes to 0; a map there is drawn as if a little away from them.
constexpr double kSmallestCosine = 0.01;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double cosineAt(double latitude) { return std::max(kSmallestCosine, std::cos(radians(latitude))); }

// A longitude difference taken the shorter way round: -180 < d <= 180.
double wrappedDifference(double d) {
    d = std::fmod(d, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

}  // namespace

bool MapProjection::isValid(const Coordinate& c) {
    return loc::Location::isOnTheGlobe(c.latitude, c.longitude);
}

Coordinate MapProjection::clamped(const Coordinate& c) {
    double latitude = std::isfinite(c.latitude) ? std::clamp(c.latitude, -90.0, 90.0) : 0.0;
    return {latitude, std::isfinite(c.longitude) ? wrappedDifference(c.longitude) : 0.0};
}

std::optional<Region> MapProjection::usable(const Region& region) {
    const CoordinateSpan& s = region.span;
    if (!isValid(region.center) || !std::isfinite(s.latitudeDelta) || !std::isfinite(s.longitudeDelta) ||
        s.latitudeDelta <= 0 || s.longitudeDelta <= 0)
        return std::nullopt;
    Region r = region;
    r.span.latitudeDelta = std::clamp(s.latitudeDelta, kSmallestSpan, kLargestLatitudeSpan);
    r.span.longitudeDelta = std::clamp(s.longitudeDelta, kSmallestSpan, kLargestLongitudeSpan);
    return r;
}

MapProjection::MapProjection(const Region& region, ui::Size view) : center_(region.center), view_(view) {
    double w = std::max(1.0, view.width), h = std::max(1.0, view.height);
    double cosine = cosineAt(center_.latitude);
    ky_ = std::min(h / std::max(region.span.latitudeDelta, kSmallestSpan),
                   w / (std::max(region.span.longitudeDelta, kSmallestSpan) * cosine));
    kx_ = ky_ * cosine;
}

Region MapProjection::region() const {
    return {center_, {std::max(1.0, view_.height) / ky_, std::max(1.0, view_.width) / kx_}};
}

ui::Point MapProjection::point(const Coordinate& c) const {
    return {view_.width / 2 + wrappedDifference(c.longitude - center_.longitude) * kx_,
            view_.height / 2 - (c.latitude - center_.latitude) * ky_};
}

Coordinate MapProjection::coordinate(ui::Point p) const {
    return clamped({center_.latitude - (p.y - view_.height / 2) / ky_,
                    center_.longitude + (p.x - view_.width / 2) / kx_});
}

double MapProjection::metresPerPoint() const { return radians(1.0) * loc::Location::kEarthRadius / ky_; }

ui::Point MapProjection::mapPoint(const Coordinate& c) {
    double perDegree = kWorldWidth / 360.0;
    return {(c.longitude + 180.0) * perDegree, (90.0 - c.latitude) * perDegree};
}

MapRect MapProjection::fitted(const MapRect& rect, ui::Size view) {
    if (!(rect.width > 0) || !(rect.height > 0) || !(view.width > 0) || !(view.height > 0)) return rect;
    double perDegree = kWorldWidth / 360.0;
    double middleLatitude = 90.0 - (rect.y + rect.height / 2) / perDegree;
    double cosine = cosineAt(middleLatitude);
    // As shown, the rectangle is width x cosine wide and height tall.
    double shown = rect.width * cosine / rect.height, wanted = view.width / view.height;
    MapRect out = rect;
    if (shown < wanted)
        out.width = rect.height * wanted / cosine;
    else
        out.height = rect.width * cosine / wanted;
    out.x = rect.x + (rect.width - out.width) / 2;
    out.y = rect.y + (rect.height - out.height) / 2;
    return out;
}

}  // namespace maps
