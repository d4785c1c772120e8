#pragma once
// The ground every map draws on: the land, its coasts and the borders between countries, read
// from TopoJSON files of a world atlas (Natural Earth's countries, at 1:110 million for the whole
// world and 1:50 million for closer views; see platform/maps/data/README.md). Each file holds an
// object "land" (the land's polygons) and an object "countries" (one geometry per country, whose
// shared arcs are the borders).
//
// Each file of the shared atlas is read once, when a map first draws at its scale, from the folder
// the program was built with (or the one a test names); a file that is missing or not such a
// topology is logged once and its maps show the sea and the graticule only.
//
//     const WorldMap::Shapes* ground = WorldMap::shapesFor(projection.pointsPerDegreeLatitude());

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/maps/TopoJson.h"

namespace maps {

class WorldMap {
  public:
    // From this many points per degree of latitude on, the finer file is drawn.
    static constexpr double kFineFrom = 5;
    static constexpr const char* kCoarseFile = "countries-110m.json";
    static constexpr const char* kFineFile = "countries-50m.json";

    struct Shapes {
        std::vector<GeoPolygon> land;
        std::vector<GeoLine> coasts;
        std::vector<GeoLine> borders;
    };

    // The shapes of a topology's text; nothing, and the reason, for one that does not hold them.
    // Coasts leave out the edges that only cut the land where the map ends (along the date line
    // and the South Pole's parallel).
    static std::optional<Shapes> decode(std::string_view text, std::string& error);
    static std::optional<Shapes> read(const std::filesystem::path& file, std::string& error);

    // The shapes to draw at that scale; null when the atlas cannot be read.
    static const Shapes* shapesFor(double pointsPerDegree);
    // The folder the atlas is read from; a test may name another, which is read afresh.
    static std::filesystem::path folder();
    static void useFolder(const std::filesystem::path& folder);
};

}  // namespace maps
