// Location updates as a screen hears them: on the main loop, never inside the start; the failures
// with no position and with the services off; the distance filter; the end of updates.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/location/DeviceLocation.h"
#include "platform/location/LocationManager.h"
#include "tests/support/TestEnvironment.h"

namespace {

// Writes down what the manager reports: "at LAT,LON from LAT,LON" (or "from none"), "failed CODE MESSAGE".
struct Listener : loc::LocationManagerDelegate {
    std::vector<std::string> heard;
    static std::string where(const loc::Location& l) {
        char text[64];
        std::snprintf(text, sizeof text, "%g,%g", l.latitude(), l.longitude());
        return text;
    }
    void didUpdateToLocation(loc::LocationManager&, const loc::Location& location,
                             const std::optional<loc::Location>& previous) override {
        heard.push_back("at " + where(location) + " from " + (previous ? where(*previous) : "none"));
    }
    void didFailWithError(loc::LocationManager&, const loc::LocationError& error) override {
        heard.push_back("failed " + std::to_string(error.code) + " " + error.message);
    }
};

class LocationManagerTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        device().reset();
        manager = std::make_shared<loc::LocationManager>();
        manager->setDelegate(listener);
        manager->setDesiredAccuracy(loc::LocationManager::kAccuracyHundredMeters);
    }
    void TearDown() override {
        manager.reset();
        device().reset();
        TestEnvironment::TearDown();
    }
    static loc::DeviceLocation& device() { return loc::DeviceLocation::current(); }
    const std::vector<std::string>& heard() const { return listener->heard; }

    std::shared_ptr<Listener> listener = std::make_shared<Listener>();
    std::shared_ptr<loc::LocationManager> manager;
};

TEST_F(LocationManagerTest, AKnownPositionIsReportedOnTheNextTurnThenEachMoveAfterIt) {
    device().setPosition({48.8566, 2.3522});
    manager->startUpdatingLocation();
    EXPECT_TRUE(heard().empty());  // never inside the start
    runFor(0.01);
    ASSERT_EQ(heard(), (std::vector<std::string>{"at 48.8566,2.3522 from none"}));
    EXPECT_EQ(manager->location()->horizontalAccuracy(), 100.0);

    device().setPosition({48.8566, 2.3522});  // set again where it was: no move
    device().setPosition({48.86, 2.35});
    runFor(2);  // and no failure: a position was known
    EXPECT_EQ(heard(),
              (std::vector<std::string>{"at 48.8566,2.3522 from none", "at 48.86,2.35 from 48.8566,2.3522"}));

    // A restart reports the present position at once, with the last one reported as the old one.
    manager->stopUpdatingLocation();
    device().setPosition({40, -97});
    runFor(1);
    EXPECT_EQ(heard().size(), 2u);
    manager->startUpdatingLocation();
    runFor(0.01);
    EXPECT_EQ(heard().back(), "at 40,-97 from 48.86,2.35");
}

TEST_F(LocationManagerTest, TheDistanceFilterLetsOnlyMovesOfAtLeastItsLengthThrough) {
    manager->setDistanceFilter(200.0);
    device().setPosition({0, 0});
    manager->startUpdatingLocation();
    runFor(0.01);
    // About 111 m and 222 m along the equator (a thousandth and two of a degree).
    struct Step {
        double longitude;
        bool reported;
    } steps[] = {{0.001, false}, {0.0015, false}, {0.002, true}, {0.0035, false}, {0.004, true}};
    std::size_t expected = 1;
    for (const Step& step : steps) {
        device().setPosition({0, step.longitude});
        runFor(0.01);
        expected += step.reported;
        EXPECT_EQ(heard().size(), expected) << step.longitude;
    }
    // Negative or non-finite distances mean no filter.
    manager->setDistanceFilter(-5);
    EXPECT_EQ(manager->distanceFilter(), loc::LocationManager::kDistanceFilterNone);
    manager->setDistanceFilter(std::nan(""));
    EXPECT_EQ(manager->distanceFilter(), loc::LocationManager::kDistanceFilterNone);
    device().setPosition({0, 0.00401});
    runFor(0.01);
    EXPECT_EQ(heard().size(), expected + 1);
}

TEST_F(LocationManagerTest, WithNoPositionOneFailureASecondAfterEachStartThenALatePositionStillComes) {
    manager->startUpdatingLocation();
    runFor(0.99);
    EXPECT_TRUE(heard().empty());
    runFor(0.02);
    ASSERT_EQ(heard(), (std::vector<std::string>{"failed 0 location unknown"}));
    runFor(5);
    EXPECT_EQ(heard().size(), 1u);  // once per start
    EXPECT_TRUE(manager->isUpdating());

    device().setPosition({51.5, -0.12});  // the page's control, later
    runFor(0.01);
    EXPECT_EQ(heard().back(), "at 51.5,-0.12 from none");

    // Starting twice is one start; a stop before the second's time is up cancels its failure.
    manager->stopUpdatingLocation();
    device().forgetPosition();
    manager->startUpdatingLocation();
    manager->startUpdatingLocation();
    runFor(0.5);
    manager->stopUpdatingLocation();
    runFor(2);
    EXPECT_EQ(heard().size(), 2u);
}

TEST_F(LocationManagerTest, ServicesOffFailOnTheNextTurnAndStop) {
    device().setPosition({10, 10});
    device().setServicesEnabled(false);
    EXPECT_FALSE(loc::LocationManager::locationServicesEnabled());
    EXPECT_FALSE(device().location());
    manager->startUpdatingLocation();
    EXPECT_TRUE(heard().empty());
    runFor(0.01);
    EXPECT_EQ(heard(), (std::vector<std::string>{"failed 1 location services are off"}));
    EXPECT_FALSE(manager->isUpdating());

    // Switched off while updating: the same failure, and the updates end.
    device().setServicesEnabled(true);
    manager->startUpdatingLocation();
    runFor(0.01);
    EXPECT_EQ(heard().back(), "at 10,10 from none");
    device().setServicesEnabled(false);
    runFor(0.01);
    EXPECT_EQ(heard().back(), "failed 1 location services are off");
    EXPECT_FALSE(manager->isUpdating());
}

TEST_F(LocationManagerTest, AStoppedOrReleasedManagerReportsNothingMore) {
    device().setPosition({1, 1});
    manager->startUpdatingLocation();
    manager->stopUpdatingLocation();
    runFor(2);
    EXPECT_TRUE(heard().empty());

    manager->startUpdatingLocation();
    manager.reset();  // its pending report goes with it
    device().setPosition({2, 2});
    runFor(2);
    EXPECT_TRUE(heard().empty());
}

TEST_F(LocationManagerTest, PositionsOffTheGlobeAreRefusedAndChangeNothing) {
    device().setPosition({45, 45});
    const std::pair<double, double> offTheGlobe[] = {
        {91.0, 0.0}, {0.0, -180.5}, {std::nan(""), 0.0}, {0.0, 1e300}};
    for (const auto& place : offTheGlobe) device().setPosition({place.first, place.second});
    EXPECT_EQ(device().position(), loc::Location(45, 45));
}

}  // namespace
