// View animations: timing of blocks with delay and curve, model values, superseding, completions.

#include <gtest/gtest.h>

#include <numbers>

#include "platform/ui/Animation.h"
#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "tests/support/TestEnvironment.h"

using namespace ui;

namespace {

class AnimationTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 480});
        button = make<View>(Rect{20, 20, 100, 100});
        banner = make<View>(Rect{10, 200, 300, 40});
        root->addSubview(button);
        root->addSubview(banner);
    }

    // A screen's entrance: small views start at half size, all start transparent, then grow and
    // fade in over `d` after a delay of two thirds of `d`.
    void appear(double d) {
        for (auto& v : root->subviews()) {
            if (v->bounds().size.width < 250) v->setTransform(AffineTransform::scale(0.5));
            v->setAlpha(0);
        }
        Animation::begin();
        Animation::setDuration(d);
        Animation::setCurve(AnimationCurve::EaseInOut);
        Animation::setDelay(d * 2 / 3);
        Animation::setCompletion([this](bool finished) { completions.push_back(finished); });
        for (auto& v : root->subviews()) {
            v->setTransform(AffineTransform::identity());
            v->setAlpha(1);
        }
        Animation::commit();
    }

    // Its exit: one third of `d`, no delay.
    void disappear(double d) {
        Animation::begin();
        Animation::setDuration(d / 3);
        Animation::setCompletion([this](bool finished) { completions.push_back(finished); });
        for (auto& v : root->subviews()) {
            if (v->bounds().size.width < 250) v->setTransform(AffineTransform::scale(0.5));
            v->setAlpha(0);
        }
        Animation::commit();
    }

    std::shared_ptr<View> root, button, banner;
    std::vector<bool> completions;
};

TEST_F(AnimationTest, EntranceShowsNothingForTwoThirdsThenAppearsUntilTheEnd) {
    double t0 = clock->now();
    appear(0.2);

    // The model has its final values at once.
    EXPECT_EQ(button->alpha(), 1);
    EXPECT_TRUE(button->transform().isIdentity());

    // Invisible through the delay (about 0.133 s), at half size.
    EXPECT_EQ(button->presentedAlpha(t0 + 0.133), 0);
    EXPECT_EQ(button->presentedTransform(t0 + 0.133).a, 0.5);
    // Appearing after it, finished at about 0.333 s.
    EXPECT_GT(button->presentedAlpha(t0 + 0.134), 0);
    EXPECT_LT(button->presentedAlpha(t0 + 0.25), 1);
    EXPECT_LT(button->presentedAlpha(t0 + 0.333), 1);
    EXPECT_EQ(button->presentedAlpha(t0 + 0.3334), 1);
    EXPECT_DOUBLE_EQ(button->presentedTransform(t0 + 0.3334).a, 1);
    // Ease-in-out: half way in time is half way in value.
    EXPECT_NEAR(button->presentedAlpha(t0 + 0.2 * 2 / 3 + 0.1), 0.5, 1e-6);
    // A wide view fades without shrinking.
    EXPECT_TRUE(banner->presentedTransform(t0 + 0.2).isIdentity());
    EXPECT_GT(banner->presentedAlpha(t0 + 0.2), 0);

    runFor(0.333);
    EXPECT_TRUE(completions.empty());
    runFor(0.001);
    EXPECT_EQ(completions, std::vector<bool>{true});
    EXPECT_FALSE(button->isAnimating(AnimatedProperty::Alpha));
}

TEST_F(AnimationTest, ExitTakesOneThirdOfTheDuration) {
    runFor(1);
    double t0 = clock->now();
    disappear(0.2);
    EXPECT_EQ(button->alpha(), 0);
    EXPECT_EQ(button->presentedAlpha(t0), 1);
    EXPECT_GT(button->presentedAlpha(t0 + 0.066), 0);
    EXPECT_EQ(button->presentedAlpha(t0 + 0.0667), 0);
    EXPECT_DOUBLE_EQ(button->presentedTransform(t0 + 0.0667).a, 0.5);
    runFor(0.066);
    EXPECT_TRUE(completions.empty());
    runFor(0.001);
    EXPECT_EQ(completions, std::vector<bool>{true});
}

TEST_F(AnimationTest, ASetOutsideABlockSupersedesAPendingAnimation) {
    double t0 = clock->now();
    appear(0.3);
    // Still in its delay: the view is told to stay transparent at once.
    button->setAlpha(0);
    EXPECT_EQ(button->alpha(), 0);
    EXPECT_FALSE(button->isAnimating(AnimatedProperty::Alpha));
    EXPECT_EQ(button->presentedAlpha(t0 + 0.5), 0);
    // Its other property and the other views go on.
    EXPECT_TRUE(button->isAnimating(AnimatedProperty::Transform));
    runFor(1);
    EXPECT_EQ(button->alpha(), 0);
    EXPECT_EQ(banner->presentedAlpha(clock->now()), 1);
    // The block did not run to its end on every property.
    EXPECT_EQ(completions, std::vector<bool>{false});
}

TEST_F(AnimationTest, ASetOutsideABlockSupersedesARunningAnimationAndANewBlockStartsWhereTheViewIs) {
    double t0 = clock->now();
    Animation::begin("Slide");
    Animation::setDuration(0.2);
    Animation::setCurve(AnimationCurve::Linear);
    button->setCenter({170, 70});  // from (70, 70)
    Animation::commit();
    runFor(0.1);
    EXPECT_NEAR(button->presentedCenter(clock->now()).x, 120, 1e-9);

    // A second block takes over from where the view is shown now.
    Animation::begin();
    Animation::setDuration(0.1);
    Animation::setCurve(AnimationCurve::Linear);
    button->setCenter({70, 70});
    Animation::commit();
    EXPECT_NEAR(button->presentedCenter(clock->now() + 0.05).x, 95, 1e-9);

    // An immediate set ends both.
    button->setCenter({10, 10});
    EXPECT_EQ(button->presentedCenter(clock->now()), (Point{10, 10}));
    EXPECT_EQ(button->presentedCenter(t0 + 10), (Point{10, 10}));
}

TEST_F(AnimationTest, FrameChangesInABlockAnimateCentreAndSizeAndTheAutoresizedSubviews) {
    auto child = make<View>(Rect{0, 0, 100, 100});
    child->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    button->addSubview(child);
    double t0 = clock->now();
    Animation::begin();
    Animation::setDuration(1);
    Animation::setCurve(AnimationCurve::Linear);
    button->setFrame({20, 20, 200, 100});
    Animation::commit();
    EXPECT_EQ(button->frame(), (Rect{20, 20, 200, 100}));
    EXPECT_EQ(child->frame(), (Rect{0, 0, 200, 100}));
    EXPECT_EQ(button->presentedFrame(t0 + 0.5), (Rect{20, 20, 150, 100}));
    EXPECT_EQ(child->presentedFrame(t0 + 0.5), (Rect{0, 0, 150, 100}));
}

TEST_F(AnimationTest, CurvesAndHalfTurns) {
    // The standard curves at a quarter of the time.
    EXPECT_NEAR(curveProgress(AnimationCurve::Linear, 0.25), 0.25, 1e-12);
    EXPECT_NEAR(curveProgress(AnimationCurve::EaseIn, 0.25), 0.0935, 1e-3);
    EXPECT_NEAR(curveProgress(AnimationCurve::EaseOut, 0.25), 0.3781, 1e-3);
    EXPECT_NEAR(curveProgress(AnimationCurve::EaseInOut, 0.25), 0.1291, 1e-3);
    EXPECT_LT(curveProgress(AnimationCurve::EaseIn, 0.5), 0.5);
    EXPECT_GT(curveProgress(AnimationCurve::EaseOut, 0.5), 0.5);

    // A swing from +90 to -90 degrees passes through an upright view, keeping its size.
    double t0 = clock->now();
    button->setTransform(AffineTransform::rotation(std::numbers::pi / 2));
    Animation::begin();
    Animation::setDuration(1);
    Animation::setCurve(AnimationCurve::Linear);
    button->setTransform(AffineTransform::rotation(-std::numbers::pi / 2));
    Animation::commit();
    for (double f : {0.25, 0.5, 0.75}) {
        AffineTransform t = button->presentedTransform(t0 + f);
        EXPECT_NEAR(t.a * t.d - t.b * t.c, 1, 1e-9) << f;
    }
    EXPECT_NEAR(button->presentedTransform(t0 + 0.5).a, 1, 1e-9);
}

TEST_F(AnimationTest, CompletionsRunOnTheLoopInOrderAndBlocksNest) {
    std::vector<std::string> order;
    Animation::begin("outer");
    Animation::setDuration(0.3);
    Animation::setCompletion([&](bool) { order.push_back("outer"); });
    button->setAlpha(0.5);
    Animation::begin("inner");
    Animation::setDuration(0.1);
    Animation::setCompletion([&](bool) { order.push_back("inner"); });
    banner->setAlpha(0.5);
    Animation::commit();
    EXPECT_EQ(Animation::current()->name(), "outer");
    Animation::commit();
    EXPECT_EQ(Animation::current(), nullptr);
    EXPECT_TRUE(order.empty());  // never during the commit
    runFor(0.5);
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));

    // A stray commit is ignored.
    Animation::commit();
}

TEST_F(AnimationTest, PropertiesSetTwiceInOneBlockKeepTheirStart) {
    double t0 = clock->now();
    Animation::begin();
    Animation::setDuration(1);
    Animation::setCurve(AnimationCurve::Linear);
    button->setAlpha(0.5);
    button->setAlpha(0);
    Animation::commit();
    EXPECT_EQ(button->alpha(), 0);
    EXPECT_NEAR(button->presentedAlpha(t0 + 0.5), 0.5, 1e-9);
}

}  // namespace
