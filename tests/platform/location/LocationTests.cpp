#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/foundation/Date.h"
#include "platform/location/DeviceLocation.h"
#include "platform/location/Location.h"
#include "tests/support/TestEnvironment.h"

namespace {

class LocationTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        device().reset();
    }
    void TearDown() override {
        device().reset();
        TestEnvironment::TearDown();
    }
    static loc::DeviceLocation& device() { return loc::DeviceLocation::current(); }
};

// Reference distances from the haversine formula on the same sphere, worked separately.
TEST_F(LocationTest, GreatCircleDistancesInMetres) {
    struct Case {
        loc::Location a, b;
        double metres;
        double tolerance;
    };
    const Case cases[] = {
        {{0, 0}, {0, 1}, 111195.0802335329, 1e-6},                                  // a degree of the equator
        {{40.7128, -74.0060}, {51.5074, -0.1278}, 5570229.873656523, 1e-3},         // New York, London
        {{-33.8688, 151.2093}, {51.5074, -0.1278}, 16993956.932816535, 1e-3},       // Sydney, London
        {{40.7128, -74.0060}, {40.7524, -73.9728}, 5216.7817197330105, 1e-6},       // across Manhattan
        {{48.8566, 2.3522}, {48.856601, 2.3522}, 0.11119507996587456, 1e-9},        // a millionth of a degree
        {{0, 179.5}, {0, -179.5}, 111195.0802335329, 1e-6},                         // across the date line
        {{90, 0}, {-90, 0}, std::numbers::pi * loc::Location::kEarthRadius, 1e-6},  // pole to pole
        {{10, 20}, {-10, -160}, std::numbers::pi * loc::Location::kEarthRadius, 1e-6},  // antipodes
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(c.a.distanceFrom(c.b), c.metres, c.tolerance) << c.a.latitude() << "," << c.a.longitude();
        EXPECT_NEAR(c.b.distanceFrom(c.a), c.metres, c.tolerance);
    }
    loc::Location here(51.5074, -0.1278);
    EXPECT_EQ(here.distanceFrom(here), 0.0);
    // Accuracy and time do not move a position.
    EXPECT_EQ(here.distanceFrom(loc::Location(51.5074, -0.1278, 100.0, fnd::Date(5000))), 0.0);
}

TEST_F(LocationTest, ParsesLatitudeCommaLongitude) {
    auto paris = loc::Location::parse("48.8566,2.3522");
    ASSERT_TRUE(paris);
    EXPECT_EQ(paris->latitude(), 48.8566);
    EXPECT_EQ(paris->longitude(), 2.3522);
    auto sydney = loc::Location::parse(" -33.8688 , +151.2093 ");
    ASSERT_TRUE(sydney);
    EXPECT_EQ(sydney->latitude(), -33.8688);
    EXPECT_EQ(sydney->longitude(), 151.2093);
    EXPECT_TRUE(loc::Location::parse("90,-180"));

    for (const char* bad : {"", ",", "48.8566", "48.8566,", ",2.3522", "48.8566;2.3522", "48.8566,2.3522,7",
                            "90.0001,0", "0,180.5", "-91,0", "nan,0", "inf,0", "1e1,0", "48.85 66,2",
                            "north,east", "0x10,0", "48.8566,2.3522x"}) {
        EXPECT_FALSE(loc::Location::parse(bad)) << '"' << bad << '"';
    }
}

TEST_F(LocationTest, DevicePositionIsUnknownUntilSet) {
    EXPECT_FALSE(device().isKnown());
    EXPECT_FALSE(device().location());

    clock->setWallTime(800000000.0);
    device().setPosition(loc::Location(45.5003, -73.5706, 5000.0, fnd::Date(1)));
    ASSERT_TRUE(device().isKnown());
    auto fix = device().location(loc::DeviceLocation::kAccuracyHundredMeters);
    ASSERT_TRUE(fix);
    EXPECT_EQ(fix->latitude(), 45.5003);
    EXPECT_EQ(fix->longitude(), -73.5706);
    EXPECT_EQ(fix->horizontalAccuracy(), 100.0);
    EXPECT_EQ(fix->timestamp(), fnd::Date(800000000.0));  // taken now, not when it was set

    clock->advance(30);
    auto best = device().location(-1);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->horizontalAccuracy(), loc::DeviceLocation::kAccuracyBest);
    EXPECT_EQ(best->timestamp(), fnd::Date(800000030.0));

    device().reset();
    EXPECT_FALSE(device().location());
}

}  // namespace
