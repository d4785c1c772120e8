#include "platform/maps/WorldMap.h"

#include <cmath>
#include <memory>
#include <utility>

#include "platform/foundation/FileContents.h"
#include "platform/foundation/Log.h"

#ifndef ORVA_MAP_DATA
#define ORVA_MAP_DATA ""
#endif

namespace maps {

namespace {

// Land cut where the plane of the map ends has edges there that are no coast.
bool onMapEdge(const Coordinate& a, const Coordinate& b) {
    constexpr double kNear = 1e-3;
    bool dateLine =
        std::fabs(std::fabs(a.longitude) - 180) < kNear && std::fabs(std::fabs(b.longitude) - 180) < kNear;
    bool southPole = a.latitude < -90 + 0.05 && b.latitude < -90 + 0.05;
    return dateLine || southPole;
}

std::vector<GeoLine> withoutMapEdges(std::vector<GeoLine> lines) {
    std::vector<GeoLine> out;
    auto finish = [&out](std::vector<Coordinate>& run) {
        if (run.size() >= 2) {
            GeoLine line{std::move(run), {}};
            line.box = {line.points.front().longitude, line.points.front().latitude,
                        line.points.front().longitude, line.points.front().latitude};
            for (const Coordinate& c : line.points) line.box.add(c);
            out.push_back(std::move(line));
        }
        run.clear();
    };
    for (GeoLine& line : lines) {
        std::vector<Coordinate> run;
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            if (i > 0 && onMapEdge(line.points[i - 1], line.points[i])) finish(run);
            run.push_back(line.points[i]);
        }
        finish(run);
    }
    return out;
}

// Each file is read once, when a map first draws at its scale, or at the other scale while the other
// file cannot be read: a map of the whole world never reads the finer file.
struct Atlas {
    std::filesystem::path folder = ORVA_MAP_DATA;
    struct File {
        const char* name;
        bool read = false;
        std::optional<WorldMap::Shapes> shapes;
    };
    File coarse{WorldMap::kCoarseFile, false, std::nullopt}, fine{WorldMap::kFineFile, false, std::nullopt};

    const std::optional<WorldMap::Shapes>& shapes(File& file) const {
        if (!file.read) {
            file.read = true;
            file.shapes = load(file.name);
        }
        return file.shapes;
    }

    std::optional<WorldMap::Shapes> load(const char* name) const {
        std::string error;
        std::filesystem::path file = folder / name;
        auto shapes = WorldMap::read(file, error);
        std::error_code ec;
        if (!shapes && !std::filesystem::exists(file, ec))
            fnd::Log::error("map: the world atlas ", file.string(),
                            " is not installed (scripts/install-deps.sh installs it): the map shows no land");
        else if (!shapes)
            fnd::Log::error("map: the world atlas ", file.string(), " cannot be drawn: ", error);
        return shapes;
    }
};

// Maps are made and drawn on the main thread only.
Atlas& atlas() {
    static Atlas shared;
    return shared;
}

}  // namespace

std::optional<WorldMap::Shapes> WorldMap::decode(std::string_view text, std::string& error) {
    std::optional<TopoJson> topology = TopoJson::parse(text, error);
    if (!topology) return std::nullopt;
    Shapes shapes;
    auto land = topology->polygons("land", error);
    if (!land) return std::nullopt;
    auto coasts = topology->mesh("land", false, error);
    if (!coasts) return std::nullopt;
    auto borders = topology->mesh("countries", true, error);
    if (!borders) return std::nullopt;
    shapes.land = std::move(*land);
    shapes.coasts = withoutMapEdges(std::move(*coasts));
    shapes.borders = std::move(*borders);
    return shapes;
}

std::optional<WorldMap::Shapes> WorldMap::read(const std::filesystem::path& file, std::string& error) {
    std::optional<fnd::FileContents> contents = fnd::FileContents::read(file);
    if (!contents) {
        error = "the file cannot be read";
        return std::nullopt;
    }
    auto bytes = contents->bytes();
    return decode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

const WorldMap::Shapes* WorldMap::shapesFor(double pointsPerDegree) {
    Atlas& a = atlas();
    // Either file serves at any scale when the other cannot be read.
    bool fine = pointsPerDegree >= kFineFrom;
    if (const auto& first = a.shapes(fine ? a.fine : a.coarse)) return &*first;
    const auto& second = a.shapes(fine ? a.coarse : a.fine);
    return second ? &*second : nullptr;
}

std::filesystem::path WorldMap::folder() { return atlas().folder; }

void WorldMap::useFolder(const std::filesystem::path& folder) {
    atlas() = Atlas{};
    atlas().folder = folder;
}

}  // namespace maps
