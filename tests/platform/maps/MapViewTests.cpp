// The map view as a screen uses it: pins at their places, selection by taps with the old pin
// deselected first, views reused by identifier, the region moving when animated, the load notices
// on the next turns, and a base that drags and zooms by moving what is drawn.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "platform/foundation/Locale.h"
#include "platform/graphics/Context.h"
#include "platform/maps/MapTileView.h"
#include "platform/maps/MapView.h"
#include "platform/maps/PinAnnotationView.h"
#include "platform/maps/WorldMap.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/ViewClassRegistry.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using maps::Annotation;
using maps::AnnotationView;
using maps::MapView;
using maps::PinAnnotationView;

namespace {

// Writes down what the map tells it and gives pins as a screen does: green for the user (an
// annotation without data), red with a callout for the others, reused by identifier.
struct Listener : maps::MapViewDelegate {
    std::vector<std::string> heard;
    int made = 0;
    std::shared_ptr<AnnotationView> viewForAnnotation(MapView& map,
                                                      const std::shared_ptr<Annotation>& a) override {
        auto pin = std::dynamic_pointer_cast<PinAnnotationView>(map.dequeueReusableAnnotationView("place"));
        if (!pin) {
            pin = ui::make<PinAnnotationView>(a, std::string("place"));
            ++made;
        }
        pin->setCanShowCallout(true);
        pin->setPinColor(a->userData() ? maps::PinColor::Red : maps::PinColor::Green);
        pin->setAnimatesDrop(true);
        return pin;
    }
    void didSelectAnnotationView(MapView&, AnnotationView& v) override {
        heard.push_back("select " + v.annotation()->title());
    }
    void didDeselectAnnotationView(MapView&, AnnotationView& v) override {
        heard.push_back("deselect " + v.annotation()->title());
    }
    void willStartLoadingMap(MapView&) override { heard.push_back("start"); }
    void didFinishLoadingMap(MapView&) override { heard.push_back("finish"); }
    void didFailLoadingMap(MapView&, const std::string& error) override { heard.push_back("fail " + error); }
};

std::shared_ptr<Annotation> place(const std::string& title, double latitude, double longitude,
                                  bool data = true) {
    auto a = std::make_shared<Annotation>(maps::Coordinate{latitude, longitude});
    a->setTitle(title);
    a->setSubtitle(title + " centre");
    if (data) a->setUserData(std::make_shared<int>(1));
    return a;
}

class MapViewTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = ui::make<ui::View>(ui::Rect{0, 0, 320, 480});
        map = ui::make<MapView>(ui::Rect{0, 20, 320, 460});
        root->addSubview(map);
        map->setDelegate(listener);
    }
    // The root's point of a view point of the map.
    ui::Point onScreen(ui::Point p) const { return {p.x, p.y + 20}; }
    // Where the tip of an annotation's pin stands, in the map's points.
    ui::Point tip(const std::shared_ptr<Annotation>& a) {
        auto view = map->viewForAnnotation(a);
        ui::Point c = view->superview()->convertTo(view->center(), map.get());
        return {c.x - view->centerOffset().x, c.y - view->centerOffset().y};
    }
    void tapAt(ui::Point mapPoint) {
        testing_support::Finger finger(root);
        finger.down(onScreen(mapPoint));
        finger.up();
    }
    const std::vector<std::string>& heard() const { return listener->heard; }

    std::shared_ptr<ui::View> root;
    std::shared_ptr<MapView> map;
    std::shared_ptr<Listener> listener = std::make_shared<Listener>();
    std::shared_ptr<Annotation> denver = place("Denver", 39.7392, -104.9903);
    std::shared_ptr<Annotation> chicago = place("Chicago", 41.8781, -87.6298);
    std::shared_ptr<Annotation> user = place("You are here", 40.7128, -74.0060, false);
};

TEST_F(MapViewTest, PinsStandOnTheirPlacesOnceTheyHaveDroppedIn) {
    map->addAnnotations({denver, chicago, user});
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, true);
    EXPECT_EQ(listener->made, 0);  // views come on the next turn
    runFor(0.01);
    EXPECT_EQ(listener->made, 3);
    // Before the first turn there is nothing to move from: the region is shown at once.
    EXPECT_FALSE(map->baseLayer()->isAnimating(ui::AnimatedProperty::Transform));
    auto pin = map->viewForAnnotation(denver);
    EXPECT_TRUE(pin->isAnimating(ui::AnimatedProperty::Center));  // dropping in
    runFor(PinAnnotationView::kDropDuration);
    for (const auto& a : {denver, chicago, user}) {
        ui::Point expected = map->convertCoordinate(a->coordinate());
        EXPECT_NEAR(tip(a).x, expected.x, 1e-9) << a->title();
        EXPECT_NEAR(tip(a).y, expected.y, 1e-9) << a->title();
    }
    // Denver lies west of and a little south of the centre; New York far east.
    EXPECT_LT(tip(denver).x, 160);
    EXPECT_GT(tip(denver).y, 230);
    EXPECT_GT(tip(user).x, 250);
    EXPECT_EQ(std::dynamic_pointer_cast<PinAnnotationView>(map->viewForAnnotation(user))->pinColor(),
              maps::PinColor::Green);
    EXPECT_GT(map->tileCount(), 0u);
}

TEST_F(MapViewTest, ATapSelectsAPinWithItsCalloutAnotherDeselectsTheOldOneFirstABesideDeselects) {
    map->addAnnotations({denver, chicago});
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, false);
    runFor(1);
    listener->heard.clear();
    // The pin's head is a little above its tip.
    tapAt({tip(denver).x, tip(denver).y - 30});
    EXPECT_EQ(heard(), (std::vector<std::string>{"select Denver"}));
    EXPECT_EQ(map->selectedAnnotations(), (std::vector<std::shared_ptr<Annotation>>{denver}));
    EXPECT_TRUE(map->viewForAnnotation(denver)->isSelected());
    ASSERT_FALSE(map->calloutView()->isHidden());
    EXPECT_EQ(map->calloutView()->titleLabel()->text(), "Denver");
    EXPECT_EQ(map->calloutView()->subtitleLabel()->text(), "Denver centre");

    // A tap on the callout changes nothing.
    ui::Rect bubble = map->calloutView()->superview()->convertTo(map->calloutView()->frame(), map.get());
    tapAt({bubble.midX(), bubble.minY() + 10});
    EXPECT_EQ(heard().size(), 1u);

    tapAt({tip(chicago).x, tip(chicago).y - 30});
    EXPECT_EQ(heard(), (std::vector<std::string>{"select Denver", "deselect Denver", "select Chicago"}));
    EXPECT_FALSE(map->viewForAnnotation(denver)->isSelected());

    tapAt({20, 400});
    EXPECT_EQ(heard().back(), "deselect Chicago");
    EXPECT_TRUE(map->selectedAnnotations().empty());
    EXPECT_TRUE(map->calloutView()->isHidden());
    tapAt({20, 400});
    EXPECT_EQ(heard().size(), 4u);  // nothing more to deselect
}

TEST_F(MapViewTest, ViewsOfRemovedAnnotationsAreReusedByIdentifier) {
    map->addAnnotations({denver, chicago});
    runFor(0.01);
    auto denverView = map->viewForAnnotation(denver);
    map->selectAnnotation(denver, false);
    map->removeAnnotations({denver, chicago});
    EXPECT_EQ(heard().back(), "deselect Denver");
    EXPECT_EQ(map->viewForAnnotation(denver), nullptr);
    EXPECT_FALSE(denverView->superview());

    auto boston = place("Boston", 42.3601, -71.0589);
    auto austin = place("Austin", 30.2672, -97.7431);
    auto seattle = place("Seattle", 47.6062, -122.3321);
    map->addAnnotations({boston, austin, seattle});
    runFor(0.01);
    EXPECT_EQ(listener->made, 3);  // two reused, one made
    EXPECT_FALSE(map->viewForAnnotation(boston)->isSelected());
    EXPECT_EQ(map->viewForAnnotation(boston)->annotation(), boston);
    EXPECT_EQ(map->annotations().size(), 3u);
}

TEST_F(MapViewTest, AnAnimatedRegionMovesFromTheOldViewToTheNew) {
    map->addAnnotation(denver);
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, false);
    runFor(1);
    ui::Point wide = map->convertCoordinate(denver->coordinate());
    map->setRegion({{39.7392, -104.9903}, {0.02, 0.02}}, true);
    // The region is the new one at once, fitted to the view.
    EXPECT_EQ(map->region().center, (maps::Coordinate{39.7392, -104.9903}));
    EXPECT_NEAR(map->region().span.longitudeDelta, 0.02, 1e-9);
    EXPECT_NEAR(map->region().span.latitudeDelta,
                0.02 * std::cos(39.7392 * std::numbers::pi / 180) * 460 / 320, 1e-9);
    // The pin starts where the old map showed it and ends at the centre.
    auto pin = map->viewForAnnotation(denver);
    double start = loop->now();
    ui::Point shownAtStart = pin->presentedCenter(start);
    EXPECT_NEAR(shownAtStart.x - pin->centerOffset().x, wide.x, 1e-6);
    EXPECT_NEAR(pin->center().x, 160, 1e-6);
    // The base starts scaled down to the old scale and grows back to its own.
    double first = map->baseLayer()->presentedTransform(start).a;
    double middle = map->baseLayer()->presentedTransform(start + MapView::kRegionAnimationDuration / 2).a;
    EXPECT_LT(first, 0.01);
    EXPECT_GT(middle, first);
    EXPECT_LT(middle, 1);
    runFor(MapView::kRegionAnimationDuration);
    EXPECT_EQ(map->baseLayer()->presentedTransform(loop->now()).a, 1);
    EXPECT_NEAR(tip(denver).x, 160, 1e-6);
    EXPECT_NEAR(tip(denver).y, 230, 1e-6);

    // Regions it cannot show are refused and change nothing.
    maps::Region before = map->region();
    map->setRegion({{0, 0}, {0, 1}}, true);
    map->setRegion({{100, 0}, {1, 1}}, false);
    EXPECT_EQ(map->region(), before);
}

TEST_F(MapViewTest, LoadingStartsOnTheNextTurnAndFinishesOnTheOneAfterOrFailsWithoutArea) {
    loop->runTurn();  // the first base is laid
    EXPECT_TRUE(map->isLoading());
    EXPECT_TRUE(heard().empty());
    loop->runTurn();
    EXPECT_EQ(heard(), (std::vector<std::string>{"start"}));
    loop->runTurn();
    EXPECT_EQ(heard(), (std::vector<std::string>{"start", "finish"}));
    EXPECT_FALSE(map->isLoading());

    // An interface file may name the map once its class is registered.
    MapView::registerInterfaceClass();
    auto empty =
        std::dynamic_pointer_cast<MapView>(ui::ViewClassRegistry::shared().make("MapView", ui::Rect{}));
    ASSERT_TRUE(empty);
    empty->setDelegate(listener);
    runFor(0.01);
    EXPECT_EQ(heard().back(), "fail the map has no area to draw");
}

TEST_F(MapViewTest, ADragMovesTheDrawnBaseAndLaysTilesOnlyWhenItEnds) {
    map->addAnnotation(denver);
    map->setRegion({{39.7392, -104.9903}, {1, 1}}, false);
    runFor(1);
    std::size_t tiles = map->tileCount();
    auto firstTile = map->baseLayer()->subviews().front();
    maps::Coordinate centre = map->region().center;

    testing_support::Finger finger(root);
    finger.down(onScreen({200, 200}));
    finger.moveBy({-150, 0}, 10);
    // Only the layers moved: the tiles are the same views, none laid.
    EXPECT_EQ(map->tileCount(), tiles);
    EXPECT_EQ(map->baseLayer()->subviews().front(), firstTile);
    EXPECT_EQ(map->baseLayer()->center(), (ui::Point{-150, 0}));
    EXPECT_NEAR(tip(denver).x, 10, 1e-9);
    finger.up();
    EXPECT_TRUE(heard().empty() || heard().back() != "select Denver");
    // The region followed the finger: 150 points east.
    double degreesPerPoint = map->region().span.longitudeDelta / 320;
    EXPECT_NEAR(map->region().center.longitude, centre.longitude + 150 * degreesPerPoint, 1e-9);
    EXPECT_GT(map->tileCount(), tiles);  // the tiles that came into view

    // The wheel zooms about the pointer by scaling the base; the base is laid anew after a pause.
    maps::Coordinate under = map->convertPoint({100, 100});
    double latitudeSpan = map->region().span.latitudeDelta;
    finger.wheel(onScreen({100, 100}), {0, -MapView::kWheelPerDoubling});
    EXPECT_NEAR(map->baseLayer()->transform().a, 2, 1e-9);
    maps::Coordinate still = map->convertPoint({100, 100});
    EXPECT_NEAR(still.latitude, under.latitude, 1e-9);
    EXPECT_NEAR(still.longitude, under.longitude, 1e-9);
    runFor(MapView::kSettleDelay + 0.01);
    EXPECT_EQ(map->baseLayer()->transform().a, 1);
    // Laid anew at the new centre's latitude, whose cosine widens degrees of longitude a little.
    EXPECT_NEAR(map->region().span.latitudeDelta, latitudeSpan / 2, 1e-9);
    EXPECT_NEAR(map->region().span.longitudeDelta, 320 * degreesPerPoint / 2, 0.01 * 320 * degreesPerPoint);
    EXPECT_NEAR(map->convertPoint({100, 100}).longitude, under.longitude, 0.001 * 320 * degreesPerPoint);
}

// The labels of the map's graticule on show, by their text: a degree and a compass letter.
std::map<std::string, ui::Rect> degreeLabels(const MapView& map, const char* letters) {
    std::map<std::string, ui::Rect> found;
    std::vector<const ui::View*> views{&map};
    while (!views.empty()) {
        const ui::View* view = views.back();
        views.pop_back();
        if (view->isHidden()) continue;
        for (const auto& sub : view->subviews()) views.push_back(sub.get());
        auto* label = dynamic_cast<const ui::Label*>(view);
        if (!label || label->text().find("\u00B0") == std::string::npos ||
            std::string(letters).find(label->text().back()) == std::string::npos)
            continue;
        EXPECT_FALSE(found.count(label->text())) << label->text() << " is written twice";
        found[label->text()] = label->superview()->convertTo(label->frame(), &map);
    }
    return found;
}

// "40°N" as 40, "97.5°W" as -97.5.
double degreesOf(const std::string& text) {
    double value = std::stod(text);
    return text.back() == 'S' || text.back() == 'W' ? -value : value;
}

TEST_F(MapViewTest, TheGraticuleIsNamedOnceAtTheEdgesOnItsLinesAndFollowsADrag) {
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, false);
    runFor(1);
    auto latitudes = degreeLabels(*map, "NS"), longitudes = degreeLabels(*map, "EW");
    ASSERT_GE(latitudes.size(), 2u);
    ASSERT_GE(longitudes.size(), 2u);
    ui::Rect scale = map->scaleBar()->frame();
    // Latitudes in a column at the right edge, each on its parallel; longitudes in a row along the
    // bottom, each on its meridian; none over the scale.
    for (const auto& [text, frame] : latitudes) {
        EXPECT_NEAR(frame.maxX(), 320 - 2, 0.5) << text;
        EXPECT_NEAR(frame.midY(), map->convertCoordinate({degreesOf(text), -97}).y, 0.5) << text;
        EXPECT_FALSE(frame.intersects(scale)) << text;
    }
    for (const auto& [text, frame] : longitudes) {
        EXPECT_NEAR(frame.maxY(), 460 - 2, 0.5) << text;
        EXPECT_NEAR(frame.midX(), map->convertCoordinate({40, degreesOf(text)}).x, 0.5) << text;
        EXPECT_FALSE(frame.intersects(scale)) << text;
    }

    testing_support::Finger finger(root);
    finger.down(onScreen({200, 200}));
    finger.moveBy({-60, -30}, 6);
    // Mid-drag: the longitudes moved along the bottom with the finger, the latitudes up the edge.
    for (const auto& [text, frame] : degreeLabels(*map, "EW"))
        if (longitudes.count(text)) {
            EXPECT_NEAR(frame.midX(), longitudes[text].midX() - 60, 1e-6) << text;
            EXPECT_EQ(frame.origin.y, longitudes[text].origin.y) << text;
        }
    for (const auto& [text, frame] : degreeLabels(*map, "NS"))
        if (latitudes.count(text)) {
            EXPECT_NEAR(frame.midY(), latitudes[text].midY() - 30, 1e-6) << text;
            EXPECT_EQ(frame.maxX(), latitudes[text].maxX()) << text;
        }
    finger.up();
}

TEST_F(MapViewTest, TheScaleIsWrittenInTheUnitsOfTheLocale) {
    // The device's locale ("en_US") measures in miles.
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, false);
    runFor(1);
    EXPECT_EQ(map->scaleBar()->label()->text(), "200 mi");
    fnd::Locale::setCurrent(fnd::Locale("en_GB"));
    map->setRegion({{40.044438, -97.207031}, {30, 30}}, false);
    EXPECT_EQ(map->scaleBar()->label()->text(), "500 km");

    struct Case {
        double metresPerPoint;
        bool metric;
        const char* text;
        double metres;
    } cases[] = {
        {5.3, false, "0.2 mi", 0.2 * 1609.344},  // one centre's street
        {0.5, false, "100 ft", 30.48},           // below a tenth of a mile
        {25000, false, "1000 mi", 1609344},     {11, true, "1 km", 1000}, {0, false, "", 0},
    };
    for (const Case& c : cases) {
        auto scale = maps::MapScaleBar::scaleFor(c.metresPerPoint, maps::MapScaleBar::kLongest, c.metric);
        EXPECT_EQ(scale.text, c.text);
        EXPECT_NEAR(scale.metres, c.metres, 1e-6) << c.text;
    }
}

// A world of one triangular country south-west of the line from 10 degrees south, 10 degrees east
// to 10 degrees north, 10 degrees west (its coast runs through where the equator meets the prime
// meridian), read from an atlas folder of the test's own.
class MapGroundTest : public MapViewTest {
  protected:
    void SetUp() override {
        MapViewTest::SetUp();
        installed = maps::WorldMap::folder();
        const char* atlas = R"({"type":"Topology","arcs":[[[-10,-10],[10,-10],[-10,10],[-10,-10]]],
            "objects":{"land":{"type":"Polygon","arcs":[[0]]},"countries":{"type":"Polygon","arcs":[[0]]}}})";
        std::filesystem::path folder = temporary / "atlas";
        std::filesystem::create_directories(folder);
        for (const char* name : {maps::WorldMap::kCoarseFile, maps::WorldMap::kFineFile})
            std::ofstream(folder / name) << atlas;
        maps::WorldMap::useFolder(folder);
    }
    void TearDown() override {
        maps::WorldMap::useFolder(installed);
        MapViewTest::TearDown();
    }
    // The colour the map's base shows at one of its points, drawn by the tile that lies there.
    gfx::Bitmap::RGBA groundAt(ui::Point p) {
        for (const auto& view : map->baseLayer()->subviews()) {
            auto tile = std::dynamic_pointer_cast<maps::MapTileView>(view);
            ui::Rect frame = tile->frame();
            if (!frame.contains(p)) continue;
            gfx::Context c(frame.size.width, frame.size.height, 1);
            gfx::Context::MakeCurrent current(c);
            tile->drawRect(tile->bounds());
            return c.bitmap().pixel(int(p.x - frame.origin.x), int(p.y - frame.origin.y));
        }
        ADD_FAILURE() << "no tile at " << p.x << ", " << p.y;
        return {};
    }
    std::filesystem::path installed;
};

TEST_F(MapGroundTest, TheLandOfTheAtlasIsDrawnOverTheSeaAlsoStreetByStreet) {
    auto expectLand = [](gfx::Bitmap::RGBA c, const char* where) {
        EXPECT_GT(c.red, 220) << where;
        EXPECT_LT(std::abs(c.red - c.blue), 30) << where;
    };
    auto expectSea = [](gfx::Bitmap::RGBA c, const char* where) { EXPECT_GT(c.blue - c.red, 30) << where; };
    map->setRegion({{0, 0}, {60, 60}}, false);
    runFor(1);
    expectLand(groundAt(map->convertCoordinate({-5, -3})), "inland");
    expectSea(groundAt(map->convertCoordinate({15, -3})), "beyond the coast");
    // Zoomed in on the coast, its corners lie millions of points away, beyond where the drawing
    // library's coordinates end; the coast still runs where it does, between the graticule's lines.
    map->setRegion({{0, 0}, {0.0002, 0.0002}}, false);
    runFor(1);
    expectLand(groundAt(map->convertCoordinate({-0.00002, -0.00003})), "just inland");
    expectSea(groundAt(map->convertCoordinate({0.00004, 0.00002})), "just off the coast");
}

}  // namespace
