#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Classes/core/GameViewController.h"
#include "Classes/core/RotatedViewController.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"
#include "tests/Classes/core/ScreenBasesTestSupport.h"

namespace {

constexpr double kQuarter = std::numbers::pi / 2;

// The angle of a rotation transform.
double angleOf(const ui::AffineTransform& t) { return std::atan2(t.b, t.a); }

class Viewer : public RotatedViewController {
  public:
    using RotatedViewController::init;
    void init(bool preview) {
        initWithNibName({});
        setIsInPreviewMode(preview);
        animation();
    }
    void loadView() override { setView(ui::make<ui::View>(ui::Rect(0, 0, 320, 460))); }
    void didRotateHandler() override { ++rotations; }
    int rotations = 0;
};

class GameMain : public CommonViewController {
  public:
    void animation() override { homeView()->addSubview(view()); }
    void outAnimation() override {}
};

class GamePart : public GameViewController {
  public:
    void loadView() override { setView(ui::make<ui::View>(ui::Rect(0, 0, 100, 100))); }
};

}  // namespace

class RotatedGameScreenTest : public core_test::ScreenBasesTest {
  protected:
    double angleAt(const std::shared_ptr<Viewer>& viewer, double time) {
        return angleOf(viewer->view()->presentedTransform(time));
    }
};

TEST_F(RotatedGameScreenTest, OnThePhoneAViewerSwingsIntoTheDevicesLandscapeAndFollowsIt) {
    ui::Device::current().setOrientation(ui::DeviceOrientation::LandscapeRight);
    auto viewer = ui::make<Viewer>(false);
    auto view = viewer->view();
    EXPECT_EQ(view->superview(), window());
    EXPECT_EQ(viewer->animationDuration(), ui::Application::kRotationDuration);
    EXPECT_TRUE(application().isStatusBarHidden());
    // The window's 320 x 480 turned a quarter: the view is 480 wide and 320 high.
    EXPECT_EQ(view->bounds().size, (ui::Size{480, 320}));
    double start = clock->now();
    EXPECT_NEAR(angleAt(viewer, start), kQuarter, 1e-9);
    EXPECT_NEAR(angleAt(viewer, start + 0.3), -kQuarter, 1e-9);
    runFor(0.4);

    ui::Device::current().setOrientation(ui::DeviceOrientation::LandscapeLeft);
    runFor(0.4);
    EXPECT_NEAR(angleOf(view->transform()), kQuarter, 1e-9);
    ui::Device::current().setOrientation(ui::DeviceOrientation::Portrait);
    runFor(0.4);
    EXPECT_NEAR(angleOf(view->transform()), kQuarter, 1e-9);

    fnd::NotificationCenter::defaultCenter().post(RotatedViewController::kDidRotateNotification);
    EXPECT_EQ(viewer->rotations, 1);

    // It leaves to the right, turning back, and gives the status bar back.
    viewer->back();
    EXPECT_EQ(view->center().x, 160 + 480);
    runFor(0.4);
    EXPECT_FALSE(view->superview());
    EXPECT_FALSE(application().isStatusBarHidden());
    EXPECT_FALSE(ui::Device::current().isGeneratingDeviceOrientationNotifications());
}

TEST_F(RotatedGameScreenTest, APreviewLeavesTheStatusBarAlone) {
    auto viewer = ui::make<Viewer>(true);
    EXPECT_FALSE(application().isStatusBarHidden());
    application().setStatusBarHidden(true);
    viewer->close();
    EXPECT_TRUE(application().isStatusBarHidden());
}

TEST_F(RotatedGameScreenTest, OnTheTabletAViewerOpensLikeAToolAndTurnsWithTheInterface) {
    installHome(ui::Idiom::Tablet);
    auto viewer = ui::make<Viewer>(false);
    EXPECT_EQ(viewer->view()->superview(), home->view());
    EXPECT_EQ(viewer->view()->frame(), home->view()->bounds());
    EXPECT_TRUE(viewer->view()->transform().isIdentity());
    EXPECT_EQ(viewer->animationDuration(), ToolViewController::kToolAnimationDuration);
    EXPECT_FALSE(application().isStatusBarHidden());
    EXPECT_TRUE(viewer->shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation::LandscapeLeft));
}

TEST_F(RotatedGameScreenTest, GameScreensLiveInsideTheGamesMainScreen) {
    auto main = ui::make<GameMain>();
    GameViewController::setGameScreen(main);
    auto part = ui::make<GamePart>();
    EXPECT_EQ(part->mVC(), main);
    EXPECT_EQ(part->view()->superview(), main->view());
    EXPECT_EQ(part->view()->frame(), main->view()->bounds());
    EXPECT_EQ(part->view()->alpha(), 1);
    part->back();
    EXPECT_EQ(part->view()->alpha(), 0);
    runFor(0.2);
    EXPECT_FALSE(part->view()->superview());
    GameViewController::setGameScreen(nullptr);
}
