#pragma once
// Shapes on the earth read from a TopoJSON topology: named objects whose polygons and lines are
// built from shared arcs, each arc a run of positions (longitude, latitude in degrees; quantized
// and delta-encoded when the topology has a transform). Polygons come out as their rings, lines as
// runs of coordinates, each with its bounding box, ready to draw.
//
// A text that is not such a topology (not JSON, an arc index beyond the arcs, a position that is
// not two numbers, a place off the globe, more positions than kMostPoints) is refused with the
// reason; reading never trusts an index or a count it has not checked.
//
//     std::string error;
//     auto topology = TopoJson::parse(text, error);
//     if (topology) land = topology->polygons("land", error);

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/JsonValue.h"
#include "platform/maps/MapProjection.h"

namespace maps {

// The degrees a shape covers; west may be less than -180 or east more than 180 only in shapes
// that were moved round the globe.
struct GeoBox {
    double west = 0, south = 0, east = 0, north = 0;
    void add(const Coordinate& c);
    bool intersects(const GeoBox& other) const {
        return west <= other.east && other.west <= east && south <= other.north && other.south <= north;
    }
};

struct GeoPolygon {
    std::vector<std::vector<Coordinate>> rings;  // the outline first, then any holes
    GeoBox box;
};

struct GeoLine {
    std::vector<Coordinate> points;
    GeoBox box;
};

class TopoJson {
  public:
    // Positions a topology may decode to in all: a file that would build more is refused, so that a
    // few arcs referred to over and over cannot take the memory.
    static constexpr std::size_t kMostPoints = 4'000'000;

    static std::optional<TopoJson> parse(std::string_view text, std::string& error);

    bool hasObject(std::string_view name) const;
    // Every polygon of the object (its polygons and multi-polygons, in collections too). Rings of
    // fewer than three places enclose nothing and are left out.
    std::optional<std::vector<GeoPolygon>> polygons(std::string_view name, std::string& error) const;
    // The arcs of the object's polygons and lines as lines, each arc once. With `sharedOnly`, only
    // the arcs that two different geometries of the object share (between countries, the borders);
    // without, only those that one geometry alone has (the coasts).
    std::optional<std::vector<GeoLine>> mesh(std::string_view name, bool sharedOnly,
                                             std::string& error) const;

  private:
    TopoJson() = default;
    bool decodeArcs(const fnd::JsonValue& arcs, const fnd::JsonValue& transform, std::string& error);
    const fnd::JsonValue* object(std::string_view name, std::string& error) const;

    fnd::JsonValue objects_;
    std::vector<std::vector<Coordinate>> arcs_;
    std::size_t points_ = 0;
};

}  // namespace maps
