#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/foundation/Paths.h"
#include "platform/ui/Accelerometer.h"
#include "platform/ui/Device.h"
#include "tests/support/TestEnvironment.h"

namespace {

class DeviceTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        device().reset(ui::Idiom::Phone);
    }
    static ui::Device& device() { return ui::Device::current(); }
};

// The model names the hardware in what the program reports about itself.
TEST_F(DeviceTest, TheModelFollowsTheIdiomUnlessSet) {
    EXPECT_NE(device().model().find("iPhone"), std::string::npos);
    device().setIdiom(ui::Idiom::Tablet);
    EXPECT_EQ(device().model().find("iPhone"), std::string::npos);
    device().setIdiom(ui::Idiom::Phone);
    device().setModel("iPod4,1");  // a phone-sized device that is no phone
    EXPECT_EQ(device().model(), "iPod4,1");
}

TEST_F(DeviceTest, BatteryIsKnownOnlyWhileMonitored) {
    device().setBattery(0.15f, ui::BatteryState::Unplugged);
    EXPECT_EQ(device().batteryLevel(), -1);
    EXPECT_EQ(device().batteryState(), ui::BatteryState::Unknown);
    device().setBatteryMonitoringEnabled(true);
    EXPECT_FLOAT_EQ(device().batteryLevel(), 0.15f);
    EXPECT_EQ(device().batteryState(), ui::BatteryState::Unplugged);
}

TEST_F(DeviceTest, UniqueIdentifierIsStableAcrossStarts) {
    std::string first = device().uniqueIdentifier();
    EXPECT_EQ(first.size(), 40u);
    device().reset();  // as a new process over the same documents folder
    EXPECT_EQ(device().uniqueIdentifier(), first);
}

// A delegate that filters samples the way shake detection does: deviation from a low-pass value.
struct ShakeDetector : ui::AccelerometerDelegate {
    double ax = 0, ay = -1, az = 0;
    double largest = 0;
    int samples = 0;
    void accelerometerDidAccelerate(double x, double y, double z) override {
        ax = 0.9 * ax + 0.1 * x;
        ay = 0.9 * ay + 0.1 * y;
        az = 0.9 * az + 0.1 * z;
        largest =
            std::max(largest, std::sqrt((x - ax) * (x - ax) + (y - ay) * (y - ay) + (z - az) * (z - az)));
        ++samples;
    }
};

TEST_F(DeviceTest, ADisplayShakeReadsAsAShakeThroughALowPassFilter) {
    auto detector = std::make_shared<ShakeDetector>();
    auto& accelerometer = ui::Accelerometer::shared();
    accelerometer.setUpdateInterval(0.04);
    accelerometer.setDelegate(detector);
    accelerometer.shake();
    runFor(1.0);
    EXPECT_GE(detector->samples, 6);
    EXPECT_GE(detector->largest, 2.4);
    detector.reset();
    accelerometer.shake();  // a delegate that is gone receives nothing and nothing breaks
    runFor(1.0);
}

TEST_F(DeviceTest, SystemSoundsMadeFromBundleFilesAreKnownToTheDisplayUntilDisposedOf) {
    std::filesystem::create_directories(temporary / "sounds");
    std::ofstream(temporary / "sounds" / "KeyboardTap.wav") << "RIFF";
    fnd::Paths::setResources(temporary);
    int tap = device().createSystemSound("sounds/KeyboardTap.wav");
    EXPECT_GE(tap, 4096);
    EXPECT_EQ(device().systemSoundFile(tap), "sounds/KeyboardTap.wav");
    device().playSystemSound(tap);
    EXPECT_EQ(device().takeEffects(), (std::vector<std::string>{"sound:" + std::to_string(tap)}));
    device().disposeSystemSound(tap);
    EXPECT_EQ(device().systemSoundFile(tap), "");
    // Nothing outside the bundle, and nothing that is not there.
    EXPECT_EQ(device().createSystemSound("../Documents/x.wav"), 0);
    EXPECT_EQ(device().createSystemSound("/etc/passwd"), 0);
    EXPECT_EQ(device().createSystemSound("sounds/Missing.wav"), 0);
}

TEST_F(DeviceTest, SamplesFromAnotherThreadReachTheDelegateOnTheMainThread) {
    struct Watcher : ui::AccelerometerDelegate {
        std::thread::id thread;
        double x = 0;
        void accelerometerDidAccelerate(double ax, double, double) override {
            thread = std::this_thread::get_id();
            x = ax;
        }
    };
    auto watcher = std::make_shared<Watcher>();
    ui::Accelerometer::shared().setDelegate(watcher);
    std::thread([] { ui::Accelerometer::shared().deliver(0.5, -1, 0); }).join();
    EXPECT_EQ(watcher->x, 0);
    loop->runTurn();
    EXPECT_EQ(watcher->x, 0.5);
    EXPECT_EQ(watcher->thread, std::this_thread::get_id());
    ui::Accelerometer::shared().setDelegate({});
}

}  // namespace
