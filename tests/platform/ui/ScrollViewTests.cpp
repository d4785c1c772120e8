// Scroll views: paging drags, drags that stay with a control, animated offsets, the wheel.

#include <gtest/gtest.h>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Make.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Touch.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::Finger;

namespace {

class RecordingDelegate : public ScrollViewDelegate {
  public:
    std::vector<std::string> calls;
    std::vector<double> offsets;  // x at every scroll call
    void scrollViewDidScroll(ScrollView& s) override {
        offsets.push_back(s.contentOffset().x);
        if (calls.empty() || calls.back() != "scroll") calls.push_back("scroll");
    }
    void scrollViewWillBeginDragging(ScrollView&) override { calls.push_back("willBeginDragging"); }
    void scrollViewDidEndDragging(ScrollView&, bool decelerate) override {
        calls.push_back(decelerate ? "didEndDragging(decelerate)" : "didEndDragging");
    }
    void scrollViewWillBeginDecelerating(ScrollView&) override { calls.push_back("willBeginDecelerating"); }
    void scrollViewDidEndDecelerating(ScrollView&) override { calls.push_back("didEndDecelerating"); }
    void scrollViewDidEndScrollingAnimation(ScrollView&) override { calls.push_back("didEndAnimation"); }
};

// A tool button that follows the finger once held, as on the home screen in rearranging mode.
class HeldButton : public Button {
  public:
    using Button::init;
    void touchesMoved(const Touches& t) override {
        setCenter(center() + (t.front()->locationIn(this) - t.front()->previousLocationIn(this)));
        Button::touchesMoved(t);
    }
};

// The home screen's layout: a paging scroll view over two pages of buttons.
class ScrollViewTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<View>(Rect{0, 0, 320, 460});
        scroll = make<ScrollView>(Rect{0, 0, 320, 460});
        scroll->setPagingEnabled(true);
        root->addSubview(scroll);
        tools = make<View>(Rect{0, 0, 640, 460});
        scroll->addSubview(tools);
        scroll->setContentSize(tools->frame().size);
        button = make<HeldButton>(Rect{20, 20, 80, 96});
        tools->addSubview(button);
        button->addAction(ControlEventTouchUpInside, [this](auto&) { ++taps; });
        caption = make<Label>(Rect{20, 300, 200, 22});
        caption->setText("Drag me");
        tools->addSubview(caption);
        delegate = std::make_shared<RecordingDelegate>();
        scroll->setDelegate(delegate);
    }
    std::shared_ptr<View> root, tools;
    std::shared_ptr<ScrollView> scroll;
    std::shared_ptr<HeldButton> button;
    std::shared_ptr<Label> caption;
    std::shared_ptr<RecordingDelegate> delegate;
    int taps = 0;
};

}  // namespace

TEST_F(ScrollViewTest, AQuickSwipeOnAButtonTurnsThePage) {
    Finger finger(root);
    finger.down({60, 60});
    EXPECT_FALSE(button->isHighlighted());  // the button waits to see whether this is a drag
    for (int i = 0; i < 7; ++i) {           // 140 points in 70 ms: a flick, though short of half a page
        runFor(0.01);
        finger.moveBy({-20, 0});
    }
    EXPECT_TRUE(scroll->isDragging());
    EXPECT_EQ(button->frame().origin, (Point{20, 20}));  // the button never saw the touch
    finger.up();
    EXPECT_TRUE(scroll->isDecelerating());
    runFor(0.5);
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));
    EXPECT_EQ(taps, 0);
    EXPECT_EQ(delegate->calls,
              (std::vector<std::string>{"willBeginDragging", "scroll", "didEndDragging(decelerate)",
                                        "willBeginDecelerating", "scroll", "didEndDecelerating"}));
    // The page came to rest through many small steps, each told to the delegate.
    EXPECT_GT(delegate->offsets.size(), 10u);
    EXPECT_TRUE(std::is_sorted(delegate->offsets.begin(), delegate->offsets.end()));

    // A short slow drag back springs to the page it started from.
    finger.down({200, 200});
    finger.moveBy({60, 0}, 3);
    runFor(0.5);  // the finger rests: no speed left
    finger.up();
    runFor(0.5);
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));
}

TEST_F(ScrollViewTest, AButtonHeldBeforeTheDragKeepsIt) {
    Finger finger(root);
    finger.down({60, 60});
    runFor(0.3);  // past the scroll view's wait: the button has the touch
    EXPECT_TRUE(button->isHighlighted());
    finger.moveBy({150, 100}, 10);
    EXPECT_FALSE(scroll->isDragging());
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 0}));
    EXPECT_EQ(button->center(), (Point{210, 168}));  // it went with the finger
    finger.up();
    EXPECT_EQ(taps, 1);  // and the lift is still a touch up inside
    EXPECT_TRUE(delegate->calls.empty());
}

TEST_F(ScrollViewTest, TapsReachTheContentAtOnceAndDragsOfPlainContentAreTakenOver) {
    EXPECT_EQ(testing_support::tap(*button), button);
    EXPECT_EQ(taps, 1);

    // A label lets the touch through to the content view; once it drags, the scroll view has it.
    Finger finger(root);
    finger.down({100, 310});
    runFor(0.3);
    finger.moveBy({-200, 0}, 5);
    EXPECT_TRUE(scroll->isDragging());
    finger.up();
    runFor(0.5);
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));

    // Scrolling switched off: nothing moves.
    scroll->setScrollEnabled(false);
    finger.down({100, 310});
    finger.moveBy({200, 0}, 5);
    finger.up();
    runFor(0.5);
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));
}

TEST_F(ScrollViewTest, AnimatedOffsetTellsTheDelegateAllTheWay) {
    scroll->setContentOffset({320, 0}, true);
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 0}));  // it moves over time, not at once
    runFor(ScrollView::kAnimationDuration / 2);
    double halfway = scroll->contentOffset().x;
    EXPECT_GT(halfway, 100);
    EXPECT_LT(halfway, 220);
    runFor(ScrollView::kAnimationDuration);
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));
    EXPECT_EQ(delegate->calls, (std::vector<std::string>{"scroll", "didEndAnimation"}));
    EXPECT_GT(delegate->offsets.size(), 10u);

    // Without animation: one scroll call, and offsets outside the content are allowed from code.
    delegate->calls.clear();
    scroll->setContentOffset({-10, 0});
    EXPECT_EQ(scroll->contentOffset(), (Point{-10, 0}));
    EXPECT_EQ(delegate->calls, (std::vector<std::string>{"scroll"}));

    // A scroll view that goes away during its animation leaves nothing ticking.
    auto other = make<ScrollView>(Rect{0, 0, 100, 100});
    other->setContentSize({400, 100});
    other->setContentOffset({300, 0}, true);
    std::size_t timers = loop->pendingTimerCount();
    other.reset();
    runFor(0.1);
    EXPECT_LT(loop->pendingTimerCount(), timers);
}

TEST_F(ScrollViewTest, TheWheelScrollsAndAPagingViewSettlesOnAPage) {
    Finger pointer(root);
    for (int i = 0; i < 5; ++i) pointer.wheel({100, 100}, {20, 0});
    EXPECT_EQ(scroll->contentOffset(), (Point{100, 0}));
    EXPECT_TRUE(scroll->isDragging());
    runFor(1.0);
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));
    EXPECT_EQ(delegate->calls.front(), "willBeginDragging");
    EXPECT_EQ(delegate->calls.back(), "didEndDecelerating");

    // A vertical wheel over content that cannot scroll that way does nothing.
    pointer.wheel({100, 100}, {0, 50});
    EXPECT_EQ(scroll->contentOffset(), (Point{320, 0}));

    // A free (not paging) scroll view stays where the wheel leaves it.
    scroll->setPagingEnabled(false);
    pointer.wheel({100, 100}, {-45, 0});
    runFor(1.0);
    EXPECT_EQ(scroll->contentOffset(), (Point{275, 0}));
    pointer.wheel({100, 100}, {-1000, 0});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 0}));  // not past the content's edge
}

TEST_F(ScrollViewTest, TheOffsetStaysInRangeWhenTheFrameOrTheContentChanges) {
    // The tablet's pane: scrolled down to its table in landscape, then turned back to portrait,
    // where the whole content fits.
    scroll->setPagingEnabled(false);
    scroll->setContentSize({320, 900});
    scroll->setContentOffset({0, 440});
    scroll->setFrame({0, 0, 320, 700});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 200}));
    scroll->setFrame({0, 0, 320, 1000});
    EXPECT_EQ(scroll->contentOffset(), (Point{0, 0}));
    EXPECT_EQ(delegate->calls.back(), "scroll");

    scroll->setFrame({0, 0, 320, 460});
    scroll->setContentOffset({320, 440});
    scroll->setContentSize({500, 600});
    EXPECT_EQ(scroll->contentOffset(), (Point{180, 140}));
    // A finger can move it again after the change.
    Finger finger(root);
    finger.down({100, 300});
    finger.moveBy({0, 100}, 5);
    finger.up();
    runFor(1.0);
    EXPECT_LT(scroll->contentOffset().y, 140);
}
