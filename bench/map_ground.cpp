// The map's ground: reading the world atlas (once per run of the program, on the first map drawn)
// and drawing one 256-point tile of sea, land, coasts, borders and graticule at scale 2, at the
// scales the maps show: the whole earth, the centres of a country on the phone and on the tablet,
// a city, and one street (the map of one centre, where the coasts are cut to the tile).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/maps/MapTileView.h"
#include "platform/maps/WorldMap.h"
#include "platform/ui/DrawnView.h"
#include "platform/ui/Make.h"

namespace {

void ReadAtlas(benchmark::State& state, const char* file) {
    for (auto _ : state) {
        std::string error;
        auto shapes = maps::WorldMap::read(maps::WorldMap::folder() / file, error);
        if (!shapes) {
            state.SkipWithError(error.c_str());
            return;
        }
        benchmark::DoNotOptimize(shapes->land.size());
    }
}
BENCHMARK_CAPTURE(ReadAtlas, coarse, maps::WorldMap::kCoarseFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadAtlas, fine, maps::WorldMap::kFineFile)->Unit(benchmark::kMillisecond);

// The tile at the middle of a map of the region, as the map view lays it (the tile under the
// map's centre and its neighbour to the south-east, which holds more coast in the cases here).
void DrawTile(benchmark::State& state, maps::Region region, ui::Size view) {
    maps::MapProjection projection(region, view);
    maps::WorldMap::shapesFor(projection.pointsPerDegreeLatitude());  // the atlas read beforehand
    int column = int(view.width / 2 / maps::MapTileView::kSide);
    int row = int(view.height / 2 / maps::MapTileView::kSide);
    for (auto _ : state) {
        for (int i = 0; i < 2; ++i) {
            auto tile = ui::make<maps::MapTileView>(projection, column + i, row + i);
            benchmark::DoNotOptimize(tile->drawing());
        }
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK_CAPTURE(DrawTile, world, maps::Region{{20, 0}, {180, 360}}, ui::Size{320, 416})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawTile, phone_centres, maps::Region{{40.044438, -97.207031}, {30, 30}},
                  ui::Size{320, 416})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawTile, tablet_centres, maps::Region{{40.044438, -97.207031}, {33, 33}},
                  ui::Size{768, 960})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawTile, city, maps::Region{{40.69, -73.99}, {0.6, 0.6}}, ui::Size{320, 416})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DrawTile, street, maps::Region{{40.6937, -73.99}, {0.02, 0.02}}, ui::Size{320, 416})
    ->Unit(benchmark::kMillisecond);

}  // namespace
