#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Make.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ViewController.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace {

using ui::Application;

// A delegate that writes down what it was told, and every notification of the application's life.
struct Recorder : ui::ApplicationDelegate {
    std::vector<std::string> log;
    bool hadWindowAtLaunch = false;
    void applicationDidFinishLaunching(Application&) override {
        hadWindowAtLaunch = window() != nullptr;
        log.push_back("launched");
    }
    void applicationDidBecomeActive(Application&) override { log.push_back("active"); }
    void applicationDidEnterBackground(Application&) override { log.push_back("background"); }
    void applicationWillTerminate(Application&) override { log.push_back("terminate"); }
};

class ApplicationTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        for (const char* name :
             {Application::kDidFinishLaunchingNotification, Application::kDidBecomeActiveNotification,
              Application::kDidEnterBackgroundNotification, Application::kWillTerminateNotification}) {
            fnd::NotificationCenter::defaultCenter().addObserver(
                this, name, nullptr, [this](const fnd::Notification& n) { recorder->log.push_back(n.name); });
        }
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        ScreenTestEnvironment::TearDown();
    }
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
};

TEST_F(ApplicationTest, TheDelegateIsToldOfEachStepOfLifeOnceThenTheNotificationIsPosted) {
    launch(ui::Idiom::Phone, recorder);
    EXPECT_TRUE(recorder->hadWindowAtLaunch);
    application().enterBackground();
    application().enterBackground();  // a hidden page that is closed as well
    application().becomeActive();
    application().becomeActive();
    application().terminate();
    application().enterBackground();  // nothing after the end
    application().terminate();
    EXPECT_THAT(recorder->log,
                testing::ElementsAre("launched", Application::kDidFinishLaunchingNotification, "active",
                                     Application::kDidBecomeActiveNotification, "background",
                                     Application::kDidEnterBackgroundNotification, "active",
                                     Application::kDidBecomeActiveNotification, "background",
                                     Application::kDidEnterBackgroundNotification, "terminate",
                                     Application::kWillTerminateNotification));
    EXPECT_EQ(application().state(), Application::State::Terminated);

    // Ended from the background (the tab was closed before the signal): no second background.
    launch(ui::Idiom::Phone, recorder);
    application().enterBackground();
    recorder->log.clear();
    application().terminate();
    EXPECT_THAT(recorder->log, testing::ElementsAre("terminate", Application::kWillTerminateNotification));
}

TEST_F(ApplicationTest, OnlyOutsideAddressesOfTheKnownSchemesAreHandedToTheDisplay) {
    std::vector<std::string> opened;
    EXPECT_FALSE(application().openURL(fnd::URL("https://example.org/")));  // no display yet
    application().setOnOpenURL([&](const std::string& address) { opened.push_back(address); });
    for (const char* address :
         {"http://example.org/a", "HTTPS://example.org/b", "mailto:?subject=Hi&body=x%26y", "tel:+15551234",
          "skype:someone?call", "javascript:alert(1)", "file:///etc/passwd", "data:text/html,<b>",
          "events:opencourse", "about:blank", ""}) {
        application().openURL(fnd::URL(address));
    }
    EXPECT_THAT(opened,
                testing::ElementsAre("http://example.org/a", "HTTPS://example.org/b",
                                     "mailto:?subject=Hi&body=x%26y", "tel:+15551234", "skype:someone?call"));
}

TEST_F(ApplicationTest, TheStatusBarFadesOutAndInAndShowsNetworkActivity) {
    auto bar = application().statusBar();
    EXPECT_EQ(application().statusBarFrame(), (ui::Rect{0, 0, 320, 20}));
    EXPECT_EQ(application().applicationFrame(), (ui::Rect{0, 20, 320, 460}));

    application().setStatusBarHidden(true, true);
    EXPECT_TRUE(application().isStatusBarHidden());
    EXPECT_EQ(application().applicationFrame(), (ui::Rect{0, 0, 320, 480}));
    EXPECT_EQ(application().statusBarFrame(), ui::Rect{});
    EXPECT_TRUE(bar->isAnimating(ui::AnimatedProperty::Alpha));
    EXPECT_FALSE(bar->isHidden());  // still fading
    runFor(Application::kStatusBarFadeDuration);
    EXPECT_TRUE(bar->isHidden());

    // Shown again with a fade, and hidden and shown again within one fade: the bar stays.
    application().setStatusBarHidden(false, true);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->presentedAlpha(loop->now()), 0);
    application().setStatusBarHidden(true, true);
    application().setStatusBarHidden(false, true);
    runFor(1);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->alpha(), 1);

    application().setNetworkActivityIndicatorVisible(true);
    EXPECT_TRUE(bar->isActivityIndicatorVisible());
}

TEST_F(ApplicationTest, TheScreenViewHoldsTheWindowUnderTheStatusBar) {
    auto screen = application().screenView();
    EXPECT_EQ(screen->bounds().size, (ui::Size{320, 480}));
    EXPECT_EQ(screen->subviews().front(), window());
    EXPECT_TRUE(application().statusBar()->isDescendantOf(screen.get()));
    // A view added to the window later stays under the status bar, and the status bar takes no touches.
    auto cover = ui::make<ui::View>(window()->bounds());
    window()->addSubview(cover);
    EXPECT_EQ(screen->hitTest({160, 10}), cover);
    EXPECT_EQ(application().viewWithElementId(cover->elementId()), cover);
    EXPECT_EQ(application().viewWithElementId(0), nullptr);
}

}  // namespace
