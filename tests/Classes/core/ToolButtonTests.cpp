#include <gtest/gtest.h>

#include <cmath>

#include "Classes/core/ToolButton.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Make.h"
#include "tests/support/ScreenTestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

namespace {

// A grid button in the window, with the notifications it posts counted and its taps.
class ToolButtonTest : public testing_support::ScreenTestEnvironment {
  protected:
    void SetUp() override {
        ScreenTestEnvironment::SetUp();
        root = ui::make<ui::View>(ui::Rect{0, 0, 320, 480});
        button = ui::make<ToolButton>(ui::Rect{20, 23, 80, 68});
        root->addSubview(button);
        button->setupStates();
        button->addAction(ui::ControlEventTouchUpInside, [this](const auto&) { ++taps; });
        for (const char* name : {ToolButton::kEnterRearrangingModeNotification, ToolButton::kDragNotification,
                                 ToolButton::kDraggingFinishedNotification})
            fnd::NotificationCenter::defaultCenter().addObserver(
                this, std::string(name), nullptr,
                [this](const fnd::Notification& n) { posted.push_back(n.name); });
    }
    void TearDown() override {
        fnd::NotificationCenter::defaultCenter().removeObserver(this);
        ScreenTestEnvironment::TearDown();
    }
    double angle() const { return std::atan2(button->transform().b, button->transform().a); }

    std::shared_ptr<ui::View> root;
    std::shared_ptr<ToolButton> button;
    std::vector<std::string> posted;
    int taps = 0;
};

}  // namespace

TEST_F(ToolButtonTest, AHoldOfOneAndAHalfSecondsAsksForRearranging) {
    testing_support::Finger finger(root);
    // Released a little early: a tap, nothing more; the next touch's hold counts from its own start.
    finger.down(button->center());
    runFor(1.4);
    finger.up();
    runFor(0.2);
    finger.down(button->center());
    runFor(1.0);
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(taps, 1);
    runFor(0.6);
    EXPECT_EQ(posted, std::vector<std::string>{ToolButton::kEnterRearrangingModeNotification});
    EXPECT_TRUE(button->isSwitchingMode());
    finger.up();

    // A button that is not on the grid never asks.
    auto info = ui::make<ToolButton>(ui::Rect{200, 300, 30, 30});
    root->addSubview(info);
    testing_support::Finger other(root, 2);
    other.down(info->center());
    runFor(2);
    other.up();
    EXPECT_EQ(posted.size(), 1u);
}

TEST_F(ToolButtonTest, InRearrangingModeItWobblesFollowsTheFingerAndStopsWhenTheModeEnds) {
    button->enterRearrangingAnimation();
    EXPECT_TRUE(button->isInRearrangingTBtnsMode());
    runFor(0.05 + 0.1 + 0.01);
    double first = angle();
    EXPECT_NEAR(std::abs(first), ToolButton::kWobbleAngle, 1e-6);
    runFor(0.1);
    EXPECT_NEAR(angle(), -first, 1e-6);  // it swings back and forth

    ui::Point start = button->center();
    testing_support::Finger finger(root);
    finger.down(start);
    runFor(0.2);
    finger.moveBy({30, 12}, 3);
    // The moves are taken in the button's own, slightly turned coordinates.
    EXPECT_NEAR(button->center().x, start.x + 30, 1.5);
    EXPECT_NEAR(button->center().y, start.y + 12, 1.5);
    finger.up();
    EXPECT_EQ(posted, (std::vector<std::string>{ToolButton::kDragNotification, ToolButton::kDragNotification,
                                                ToolButton::kDragNotification,
                                                ToolButton::kDraggingFinishedNotification}));
    button->returnBackAnimation();
    EXPECT_EQ(button->center(), start);

    button->exitRearrangingAnimation();
    runFor(0.25);
    EXPECT_FALSE(button->isInRearrangingTBtnsMode());
    runFor(1);
    EXPECT_TRUE(button->transform().isIdentity());
}

TEST_F(ToolButtonTest, TheModeEndingBeforeTheFirstSwingLeavesTheButtonStill) {
    button->setTimerDelay(0.05);
    button->enterRearrangingAnimation();
    button->exitRearrangingAnimation();
    runFor(1);
    EXPECT_FALSE(button->isInRearrangingTBtnsMode());
    EXPECT_TRUE(button->transform().isIdentity());
}
