#pragma once
// Places on the earth and how a map shows them. A region is a centre and a span in degrees; a map
// shows it equirectangular: degrees of latitude are `pointsPerDegree` points tall, degrees of
// longitude that many times the cosine of the centre's latitude wide, so that shapes near the
// centre keep their proportions. A region asked for is fitted to the view: the span grows in one
// direction until it has the view's proportions, so all of what was asked for shows.
//
// The map plane (map points) is the whole earth unprojected: 360 degrees of longitude are
// kWorldWidth map points from the date line eastwards, 180 degrees of latitude half as many from
// the North Pole down.

#include <optional>

#include "platform/ui/Point.h"
#include "platform/ui/Size.h"

namespace maps {

struct Coordinate {
    double latitude = 0, longitude = 0;  // degrees
    friend bool operator==(const Coordinate&, const Coordinate&) = default;
};

struct CoordinateSpan {
    double latitudeDelta = 0, longitudeDelta = 0;  // degrees
    friend bool operator==(const CoordinateSpan&, const CoordinateSpan&) = default;
};

struct Region {
    Coordinate center;
    CoordinateSpan span;
    friend bool operator==(const Region&, const Region&) = default;
};

struct MapRect {
    double x = 0, y = 0, width = 0, height = 0;  // map points
    friend bool operator==(const MapRect&, const MapRect&) = default;
};

class MapProjection {
  public:
    static constexpr double kWorldWidth = 268435456.0;  // map points of 360 degrees
    // The narrowest span shown (a few tens of metres) and the widest (the whole earth).
    static constexpr double kSmallestSpan = 0.0002;
    static constexpr double kLargestLatitudeSpan = 180.0;
    static constexpr double kLargestLongitudeSpan = 360.0;

    // Whether the coordinate names a place: finite, latitude within -90..90, longitude -180..180.
    static bool isValid(const Coordinate& c);
    // The coordinate moved onto the globe: latitude clamped, longitude wrapped into -180..180.
    static Coordinate clamped(const Coordinate& c);
    // A region a map can show: nothing for a centre that is not a place or a span that is not a
    // positive number; a span beyond the earth or below the narrowest is clamped.
    static std::optional<Region> usable(const Region& region);

    MapProjection() = default;
    // The projection that shows the region fitted to a view of that size (in points).
    MapProjection(const Region& region, ui::Size view);

    ui::Size viewSize() const { return view_; }
    Coordinate center() const { return center_; }
    double pointsPerDegreeLatitude() const { return ky_; }
    double pointsPerDegreeLongitude() const { return kx_; }
    // The region the view shows: the region asked for, fitted.
    Region region() const;

    // Where a coordinate lies in the view (the top-left corner is 0, 0), taking the shorter way
    // round in longitude; and the coordinate of a view point.
    ui::Point point(const Coordinate& c) const;
    Coordinate coordinate(ui::Point p) const;
    // Metres on the ground of one point of the view, at its centre.
    double metresPerPoint() const;

    // Map points of a coordinate, and the map rectangle grown to the proportions of a view of that
    // size as it would show it (the cosine of the rectangle's middle latitude counted).
    static ui::Point mapPoint(const Coordinate& c);
    static MapRect fitted(const MapRect& rect, ui::Size view);

  private:
    Coordinate center_;
    ui::Size view_;
    double kx_ = 1, ky_ = 1;
};

}  // namespace maps
