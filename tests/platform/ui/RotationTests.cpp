#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Make.h"
#include "platform/ui/StatusBar.h"
#include "tests/platform/ui/SampleScreens.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using samples::SampleScreen;
using samples::SampleScreen_iPad;
using ui::DeviceOrientation;
using ui::InterfaceOrientation;

class RotationTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        samples::useSamples();
    }

    // The home screen's way in: its view 10 points below the window's centre, then the window's root.
    template <class Screen>
    std::shared_ptr<Screen> showAsRoot() {
        auto screen = ui::make<Screen>();
        ui::Point centre = window()->center();
        screen->view()->setCenter({centre.x, centre.y + 10});
        window()->setRootViewController(screen);
        screen->events.clear();
        return screen;
    }

    static ui::Rect frameOnScreen(const ui::View& view) { return view.convertTo(view.bounds(), nullptr); }
};

TEST_F(RotationTest, TheTabletTurnsTheRootScreenWithItsCallbacksInOrder) {
    launch(ui::Idiom::Tablet);
    auto home = showAsRoot<SampleScreen_iPad>();
    auto view = home->view();
    EXPECT_EQ(frameOnScreen(*view), (ui::Rect{0, 20, 768, 1004}));

    application().deviceDidRotate(DeviceOrientation::LandscapeLeft);
    // Asked first; told before the turn; told again inside the turn's animation with the view
    // already at its new size; did-rotate only when the turn has ended.
    EXPECT_THAT(home->events, testing::ElementsAre("should 3", "will rotate 3 0.3 768x1004",
                                                   "will animate 3 0.3 1024x748"));
    EXPECT_EQ(application().statusBarOrientation(), InterfaceOrientation::LandscapeRight);
    runFor(0.29);
    EXPECT_EQ(home->events.size(), 3u);
    runFor(0.02);
    EXPECT_EQ(home->events.back(), "did rotate from 1");

    // The view fills the screen beside the status bar, which runs down the right edge, and its
    // subviews followed by their autoresizing.
    EXPECT_EQ(view->bounds().size, (ui::Size{1024, 748}));
    EXPECT_EQ(frameOnScreen(*view), (ui::Rect{0, 0, 748, 1024}));
    EXPECT_EQ(application().statusBarFrame(), (ui::Rect{748, 0, 20, 1024}));
    EXPECT_EQ(home->titleLabel->frame(), (ui::Rect{20, 10, 984, 40}));
    EXPECT_EQ(view->viewWithTag(4)->frame(), (ui::Rect{0, 60, 1024, 644}));
    EXPECT_EQ(home->doneButton->frame(), (ui::Rect{924, 698, 80, 40}));
    EXPECT_EQ(application().applicationFrame(), (ui::Rect{0, 20, 1024, 748}));

    // Touches in screen points reach the turned controls: the done key sits at the lower left of
    // the screen's portrait picture.
    ui::Point doneOnScreen = testing_support::centreInRoot(*home->doneButton);
    EXPECT_NEAR(doneOnScreen.x, 30, 1e-9);
    EXPECT_NEAR(doneOnScreen.y, 964, 1e-9);
    application().touchBegan(1, doneOnScreen);
    application().touchEnded(1, doneOnScreen);
    EXPECT_EQ(home->events.back(), "done");

    // The other way round is a half turn and takes twice as long.
    home->events.clear();
    application().deviceDidRotate(DeviceOrientation::LandscapeRight);
    EXPECT_THAT(home->events, testing::ElementsAre("should 4", "will rotate 4 0.6 1024x748",
                                                   "will animate 4 0.6 1024x748"));
    runFor(0.6);
    EXPECT_EQ(home->events.back(), "did rotate from 3");
    EXPECT_EQ(frameOnScreen(*view), (ui::Rect{20, 0, 748, 1024}));
    EXPECT_EQ(application().statusBarFrame(), (ui::Rect{0, 0, 20, 1024}));

    // Face up changes the device's orientation but not the interface's.
    home->events.clear();
    application().deviceDidRotate(DeviceOrientation::FaceUp);
    EXPECT_TRUE(home->events.empty());
    EXPECT_EQ(ui::Device::current().orientation(), DeviceOrientation::FaceUp);
}

TEST_F(RotationTest, ThePhonesInterfaceStaysUprightWhileTheDeviceTurns) {
    auto home = showAsRoot<SampleScreen>();
    ui::Rect before = frameOnScreen(*home->view());
    application().deviceDidRotate(DeviceOrientation::LandscapeRight);
    runFor(1);
    EXPECT_THAT(home->events, testing::ElementsAre("should 4"));
    EXPECT_EQ(application().statusBarOrientation(), InterfaceOrientation::Portrait);
    EXPECT_EQ(frameOnScreen(*home->view()), before);
    EXPECT_EQ(ui::Device::current().orientation(), DeviceOrientation::LandscapeRight);
}

// A root screen that arrives while the device lies in landscape is turned from upright with the
// callbacks, so it learns the orientation the same way as at a later turn.
TEST_F(RotationTest, ARootScreenSetInLandscapeIsTurnedWithItsCallbacks) {
    launch(ui::Idiom::Tablet);
    application().deviceDidRotate(DeviceOrientation::LandscapeRight);  // no root yet: nothing turns
    EXPECT_EQ(application().statusBarOrientation(), InterfaceOrientation::Portrait);
    auto home = ui::make<SampleScreen_iPad>();
    home->events.clear();
    window()->setRootViewController(home);
    EXPECT_THAT(home->events, testing::ElementsAre("should 4", "will rotate 4 0.3 768x1004",
                                                   "will animate 4 0.3 1024x748"));
    runFor(0.3);
    EXPECT_EQ(home->events.back(), "did rotate from 1");
    EXPECT_EQ(application().statusBarOrientation(), InterfaceOrientation::LandscapeLeft);
}

// Rotating screens each turn on the device's orientation notifications while they are open; the
// notifications stop only when the last of them turns them off.
TEST_F(RotationTest, DeviceOrientationNotificationsNestAcrossScreens) {
    auto& device = ui::Device::current();
    std::vector<DeviceOrientation> seen;
    int observer = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(
        &observer, ui::Device::kOrientationDidChangeNotification, nullptr,
        [&](const fnd::Notification&) { seen.push_back(device.orientation()); });
    device.beginGeneratingDeviceOrientationNotifications();  // a card viewer
    device.beginGeneratingDeviceOrientationNotifications();  // the game over it
    application().deviceDidRotate(DeviceOrientation::LandscapeLeft);
    application().deviceDidRotate(DeviceOrientation::LandscapeLeft);  // no change, no notification
    device.endGeneratingDeviceOrientationNotifications();             // the game closes
    application().deviceDidRotate(DeviceOrientation::LandscapeRight);
    device.endGeneratingDeviceOrientationNotifications();  // the viewer closes
    device.endGeneratingDeviceOrientationNotifications();  // one end too many is harmless
    application().deviceDidRotate(DeviceOrientation::Portrait);
    EXPECT_THAT(seen,
                testing::ElementsAre(DeviceOrientation::LandscapeLeft, DeviceOrientation::LandscapeRight));
    EXPECT_FALSE(device.isGeneratingDeviceOrientationNotifications());
    device.beginGeneratingDeviceOrientationNotifications();  // and one begin turns them on again
    application().deviceDidRotate(DeviceOrientation::LandscapeLeft);
    EXPECT_EQ(seen.size(), 3u);
    device.endGeneratingDeviceOrientationNotifications();
    fnd::NotificationCenter::defaultCenter().removeObserver(&observer);
}

}  // namespace
