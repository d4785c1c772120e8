// The ground of the maps: a world atlas read from TopoJSON (land, coasts, borders), a malformed
// atlas refused with its reason, the file chosen by the scale, and shapes cut to a tile.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/maps/RectClip.h"
#include "platform/maps/WorldMap.h"
#include "tests/support/TestEnvironment.h"

using maps::Coordinate;
using maps::RectClip;
using maps::WorldMap;

namespace {

// Two countries that share a border along the prime meridian from 0 to 10 degrees north, west
// (arc 1) and east (arc 2) of it, and an island cut by the date line (arc 4 runs along it).
// Quantized: longitude = x / 2 - 10, latitude = y / 2 - 10; positions after an arc's first are
// differences.
const char* kAtlas = R"({"type":"Topology",
  "transform":{"scale":[0.5,0.5],"translate":[-10,-10]},
  "arcs":[[[20,20],[0,20]],
          [[20,40],[-20,0],[0,-20],[20,0]],
          [[20,20],[20,0],[0,20],[-20,0]],
          [[380,140],[-20,0],[0,20],[20,0]],
          [[380,160],[0,-20]]],
  "objects":{
    "countries":{"type":"GeometryCollection","geometries":[
      {"type":"Polygon","arcs":[[1,0]]},
      {"type":"Polygon","arcs":[[2,-1]]},
      {"type":"MultiPolygon","arcs":[[[3,4]]]},
      {"type":"Point","coordinates":[1,1]}]},
    "land":{"type":"GeometryCollection","geometries":[
      {"type":"MultiPolygon","arcs":[[[1,2]],[[3,4]]]}]}}})";

// The atlas with one part replaced.
std::string atlasWith(const std::string& from, const std::string& to) {
    std::string text = kAtlas;
    std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

double area(const std::vector<ui::Point>& ring) {
    double twice = 0;
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const ui::Point& a = ring[i];
        const ui::Point& b = ring[(i + 1) % ring.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return std::fabs(twice) / 2;
}

TEST(WorldMapTest, LandCoastsAndBordersComeFromTheSharedArcs) {
    std::string error;
    auto shapes = WorldMap::decode(kAtlas, error);
    ASSERT_TRUE(shapes) << error;
    // The land: the two countries as one polygon (arc 1, then arc 2 without its first place), and
    // the island.
    ASSERT_EQ(shapes->land.size(), 2u);
    const std::vector<Coordinate> mainland{{10, 0}, {10, -10}, {0, -10}, {0, 0}, {0, 10}, {10, 10}, {10, 0}};
    ASSERT_EQ(shapes->land[0].rings.size(), 1u);
    EXPECT_EQ(shapes->land[0].rings[0], mainland);
    EXPECT_EQ(shapes->land[0].box.west, -10);
    EXPECT_EQ(shapes->land[0].box.east, 10);
    EXPECT_EQ(shapes->land[1].box.north, 70);
    // The border is the arc the two countries share, walked once.
    ASSERT_EQ(shapes->borders.size(), 1u);
    EXPECT_EQ(shapes->borders[0].points, (std::vector<Coordinate>{{0, 0}, {10, 0}}));
    // The coasts are the land's other arcs, but not the island's cut along the date line.
    ASSERT_EQ(shapes->coasts.size(), 3u);
    for (const auto& coast : shapes->coasts)
        for (std::size_t i = 1; i < coast.points.size(); ++i)
            EXPECT_FALSE(coast.points[i - 1].longitude == 180 && coast.points[i].longitude == 180);
}

TEST(WorldMapTest, AnAtlasThatIsNotWellMadeIsRefusedWithItsReason) {
    struct Case {
        std::string text;
        const char* reason;
    } cases[] = {
        {"{\"type\":\"Topology\",", "not JSON"},
        {R"({"type":"FeatureCollection","features":[]})", "not a topology"},
        {R"({"type":"Topology","objects":{}})", "no objects or no arcs"},
        {atlasWith("[[20,20],[0,20]]", "[[20,20]]"), "arc 0 has fewer than two positions"},
        {atlasWith("[[20,20],[0,20]]", R"([[20,20],["0",20]])"),
         "arc 0 has a position that is not two numbers"},
        {atlasWith("[0.5,0.5]", "[0,0.5]"), "transform"},
        {atlasWith("[[380,160],[0,-20]]", "[[380,160],[400,-20]]"), "arc 4 leaves the globe"},
        {atlasWith("[0.5,0.5]", "[1e308,0.5]"), "leaves the globe"},
        {atlasWith("[[[1,2]],[[3,4]]]", "[[[1,2]],[[3,7]]]"), "arc 7 is not in the topology"},
        {atlasWith("[[[1,2]],[[3,4]]]", "[[[1,2]],[[3,-9]]]"), "arc -9 is not in the topology"},
        {atlasWith("[[[1,2]],[[3,4]]]", "[[[1,2]],[[3,4.5]]]"), "not a whole number"},
        {atlasWith("[[[1,2]],[[3,4]]]", "[1,2]"), "arcs are not nested as the geometry says"},
        {atlasWith("[[[1,2]],[[3,4]]]", "[[1,2]]"), "a ring is not a list of arcs"},
        {atlasWith("\"arcs\":[[2,-1]]", "\"arcs\":[[2,-1,9]]"), "not in the topology"},
        {atlasWith("\"type\":\"Point\"", "\"type\":\"Blob\""), "unknown geometry type \"Blob\""},
        {atlasWith("\"land\":", "\"sea\":"), "no object \"land\""},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(WorldMap::decode(c.text, error)) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << "\"" << error << "\" for " << c.reason;
    }
}

class WorldMapFolderTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        installed_ = WorldMap::folder();
        folder_ = temporary / "atlas";
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        WorldMap::useFolder(installed_);
        TestEnvironment::TearDown();
    }
    void write(const char* name, const std::string& text) { std::ofstream(folder_ / name) << text; }

    std::filesystem::path installed_, folder_;
};

TEST_F(WorldMapFolderTest, TheScaleChoosesTheFileAndEitherServesWhenTheOtherCannotBeRead) {
    // The coarse file without the island.
    write(WorldMap::kCoarseFile, atlasWith("[[[1,2]],[[3,4]]]", "[[[1,2]]]"));
    write(WorldMap::kFineFile, kAtlas);
    WorldMap::useFolder(folder_);
    ASSERT_TRUE(WorldMap::shapesFor(1));
    EXPECT_EQ(WorldMap::shapesFor(1)->land.size(), 1u);
    EXPECT_EQ(WorldMap::shapesFor(WorldMap::kFineFrom)->land.size(), 2u);

    write(WorldMap::kFineFile, "not an atlas");
    WorldMap::useFolder(folder_);
    ASSERT_TRUE(WorldMap::shapesFor(100));
    EXPECT_EQ(WorldMap::shapesFor(100)->land.size(), 1u);

    WorldMap::useFolder(folder_ / "missing");
    EXPECT_EQ(WorldMap::shapesFor(1), nullptr);
    EXPECT_EQ(WorldMap::shapesFor(100), nullptr);
}

TEST(RectClipTest, RingsAreCutToTheRectangleAndKeepTheirAreaThere) {
    const ui::Rect tile{0, 0, 100, 100};
    struct Case {
        const char* what;
        std::vector<ui::Point> ring;
        double area;
    } cases[] = {
        {"inside", {{10, 10}, {90, 10}, {90, 90}}, 3200},
        {"outside", {{110, 10}, {190, 10}, {190, 90}}, 0},
        {"around", {{-1e7, -1e7}, {1e7, -1e7}, {1e7, 1e7}, {-1e7, 1e7}}, 10000},
        {"half over the left edge", {{-50, 0}, {50, 0}, {50, 100}, {-50, 100}}, 5000},
        {"a corner", {{50, 50}, {150, 50}, {150, 150}, {50, 150}}, 2500},
    };
    for (const Case& c : cases) {
        std::vector<ui::Point> cut = RectClip::ring(c.ring, tile);
        EXPECT_NEAR(area(cut), c.area, 1e-6) << c.what;
        for (ui::Point p : cut) EXPECT_TRUE(p.x >= 0 && p.x <= 100 && p.y >= 0 && p.y <= 100) << c.what;
    }
}

TEST(RectClipTest, LinesAreCutIntoThePiecesWithinTheRectangle) {
    const ui::Rect tile{0, 0, 100, 100};
    using Pieces = std::vector<std::vector<ui::Point>>;
    auto expectPieces = [](const Pieces& got, const Pieces& wanted) {
        ASSERT_EQ(got.size(), wanted.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].size(), wanted[i].size()) << "piece " << i;
            for (std::size_t j = 0; j < got[i].size(); ++j) {
                EXPECT_NEAR(got[i][j].x, wanted[i][j].x, 1e-6);
                EXPECT_NEAR(got[i][j].y, wanted[i][j].y, 1e-6);
            }
        }
    };
    // In and out twice, from far away: two pieces that start and end on the edges.
    expectPieces(RectClip::line({{-1e7, 50}, {50, 50}, {50, 1e7}, {80, 1e7}, {80, 50}, {1e7, 50}}, tile),
                 {{{0, 50}, {50, 50}, {50, 100}}, {{80, 100}, {80, 50}, {100, 50}}});
    expectPieces(RectClip::line({{10, 10}, {20, 20}, {30, 10}}, tile), {{{10, 10}, {20, 20}, {30, 10}}});
    EXPECT_TRUE(RectClip::line({{-10, -10}, {-20, 120}}, tile).empty());
}

}  // namespace
