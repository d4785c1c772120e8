// How a map shows a region: fitting, places and coordinates, the map plane, refused regions, the
// graticule's step and degrees, and the scale bar's round distances.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "platform/maps/MapProjection.h"
#include "platform/maps/MapScaleBar.h"
#include "platform/maps/MapTileView.h"

using maps::Coordinate;
using maps::MapProjection;
using maps::Region;

namespace {

TEST(MapProjectionTest, ARegionIsFittedToTheViewSoAllOfItShows) {
    const double cos40 = std::cos(40.0 * std::numbers::pi / 180);
    struct Case {
        Region asked;
        ui::Size view;
        double latitudeSpan, longitudeSpan;
    } cases[] = {
        // At the equator a square region in a tall view grows in latitude.
        {{{0, 0}, {10, 10}}, {320, 480}, 15, 10},
        // At 40 degrees a degree of longitude is narrower: 30 x 30 on the phone grows in latitude.
        {{{40, -97}, {30, 30}}, {320, 480}, 30 * cos40 * 480 / 320, 30},
        // A wide region in a tall view grows in latitude too, but from its longitude.
        {{{40, -97}, {1, 60}}, {768, 1024}, 60 * cos40 * 1024 / 768, 60},
        // A tall region in a wide view grows in longitude.
        {{{0, 0}, {20, 1}}, {480, 320}, 20, 30},
    };
    for (const Case& c : cases) {
        MapProjection p(c.asked, c.view);
        Region fitted = p.region();
        EXPECT_EQ(fitted.center, c.asked.center);
        EXPECT_NEAR(fitted.span.latitudeDelta, c.latitudeSpan, 1e-9);
        EXPECT_NEAR(fitted.span.longitudeDelta, c.longitudeSpan, 1e-9);
        EXPECT_GE(fitted.span.latitudeDelta, c.asked.span.latitudeDelta - 1e-9);
        EXPECT_GE(fitted.span.longitudeDelta, c.asked.span.longitudeDelta - 1e-9);
    }
}

TEST(MapProjectionTest, PlacesAndCoordinatesGoBothWaysAndTheShorterWayRoundTheDateLine) {
    MapProjection p({{40.044438, -97.207031}, {30, 30}}, {320, 480});
    EXPECT_EQ(p.point({40.044438, -97.207031}), (ui::Point{160, 240}));
    ui::Point north = p.point({45, -97.207031});
    EXPECT_NEAR(north.x, 160, 1e-9);
    EXPECT_LT(north.y, 240);  // up the screen
    for (Coordinate c : {Coordinate{33.7, -84.4}, Coordinate{47.6, -122.3}, Coordinate{25.8, -80.2}}) {
        Coordinate back = p.coordinate(p.point(c));
        EXPECT_NEAR(back.latitude, c.latitude, 1e-9);
        EXPECT_NEAR(back.longitude, c.longitude, 1e-9);
    }
    MapProjection pacific({{0, 179}, {10, 10}}, {320, 320});
    EXPECT_NEAR(pacific.point({0, -179}).x, 160 + 2 * 32, 1e-9);  // two degrees east, not 358 west
    EXPECT_NEAR(pacific.coordinate({160 + 2 * 32, 160}).longitude, -179, 1e-9);

    // Metres per point: the phone's 480 points showing 30 degrees of latitude.
    MapProjection equator({{0, 0}, {30, 30}}, {480, 480});
    EXPECT_NEAR(equator.metresPerPoint(), 30 * 111195.0802335329 / 480, 1e-6);
}

TEST(MapProjectionTest, OnlyUsableRegionsAreTakenAndSpansAreKeptWithinTheEarth) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (Region bad : {Region{{0, 0}, {0, 10}}, Region{{0, 0}, {10, -1}}, Region{{91, 0}, {1, 1}},
                       Region{{0, 181}, {1, 1}}, Region{{nan, 0}, {1, 1}}, Region{{0, 0}, {nan, 1}},
                       Region{{0, 0}, {1, std::numeric_limits<double>::infinity()}}})
        EXPECT_FALSE(MapProjection::usable(bad)) << bad.center.latitude << " " << bad.span.latitudeDelta;
    auto huge = MapProjection::usable({{0, 0}, {500, 1000}});
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->span, (maps::CoordinateSpan{180, 360}));
    EXPECT_EQ(MapProjection::usable({{0, 0}, {1e-9, 1e-9}})->span.latitudeDelta,
              MapProjection::kSmallestSpan);
    EXPECT_EQ(MapProjection::clamped({95, 190}), (Coordinate{90, -170}));
}

TEST(MapProjectionTest, AMapRectGrowsToTheViewsProportionsAsShown) {
    // A square of map points around the equator shown in a tall view grows in height.
    maps::MapRect square{1000, 2000, 100, 100};
    maps::MapRect equator = MapProjection::fitted(
        {MapProjection::kWorldWidth / 2 - 50, MapProjection::kWorldWidth / 4 - 50, 100, 100}, {320, 480});
    EXPECT_NEAR(equator.width, 100, 1e-6);
    EXPECT_NEAR(equator.height, 150, 1e-6);
    EXPECT_NEAR(equator.y, MapProjection::kWorldWidth / 4 - 75, 1e-6);
    // Near the top of the plane (far north) the same square shows narrow: it widens instead.
    maps::MapRect north = MapProjection::fitted(square, {320, 480});
    EXPECT_GT(north.width, 100);
    EXPECT_EQ(north.height, 100);
    EXPECT_EQ(MapProjection::mapPoint({90, -180}), (ui::Point{0, 0}));
    EXPECT_EQ(MapProjection::mapPoint({-90, 180}),
              (ui::Point{MapProjection::kWorldWidth, MapProjection::kWorldWidth / 2}));
}

TEST(MapProjectionTest, GraticuleStepsAndDegreeLabels) {
    struct Step {
        double pointsPerDegree, step;
    } steps[] = {{1, 90},   {2, 45},    {3, 30},    {10, 10},       {18, 5},      {90, 1},
                 {89.9, 2}, {200, 0.5}, {900, 0.1}, {24000, 0.005}, {1e6, 0.0001}};
    for (const Step& s : steps)
        EXPECT_DOUBLE_EQ(maps::MapTileView::graticuleStep(s.pointsPerDegree), s.step) << s.pointsPerDegree;
    struct Label {
        double degrees, step;
        bool latitude;
        const char* text;
    } labels[] = {{40, 10, true, "40°N"},           {-30, 10, true, "30°S"},
                  {-97.5, 0.5, false, "97.5°W"},    {0, 5, false, "0°"},
                  {120, 30, false, "120°E"},        {40.02, 0.01, true, "40.02°N"},
                  {-0.005, 0.005, true, "0.005°S"}, {180, 30, false, "180°E"}};
    for (const Label& l : labels)
        EXPECT_EQ(maps::MapTileView::degreeLabel(l.degrees, l.step, l.latitude), l.text) << l.degrees;
}

TEST(MapProjectionTest, TheScaleBarShowsTheLongestRoundDistanceThatFits) {
    struct Case {
        double metresPerPoint, metres;
        const char* text;
    } cases[] = {{1, 100, "100 m"},  {3, 200, "200 m"},       {6, 500, "500 m"},
                 {11, 1000, "1 km"}, {25000, 2e6, "2000 km"}, {0.01, 1, "1 m"}};
    for (const Case& c : cases) {
        double d = maps::MapScaleBar::roundDistance(c.metresPerPoint, maps::MapScaleBar::kLongest);
        EXPECT_DOUBLE_EQ(d, c.metres) << c.metresPerPoint;
        EXPECT_EQ(maps::MapScaleBar::distanceText(d), c.text);
    }
    EXPECT_EQ(maps::MapScaleBar::roundDistance(0, 100), 0);
    EXPECT_EQ(maps::MapScaleBar::roundDistance(std::nan(""), 100), 0);
}

}  // namespace
