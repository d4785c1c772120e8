// Hit-testing, touch sequences, the responder chain and dragging.

#include <gtest/gtest.h>

#include <numbers>

#include "platform/ui/Make.h"
#include "platform/ui/Touch.h"
#include "platform/ui/View.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;
using testing_support::Finger;

namespace {

// Records the touches it gets and, when it handles them, keeps them from its superview.
class RecordingView : public View {
  public:
    using View::init;
    std::vector<std::string> log;
    std::vector<Point> locations;
    bool handles = true;

    void touchesBegan(const Touches& t) override { note("began", t); }
    void touchesMoved(const Touches& t) override { note("moved", t); }
    void touchesEnded(const Touches& t) override { note("ended", t); }
    void touchesCancelled(const Touches& t) override { note("cancelled", t); }

  private:
    void note(const char* what, const Touches& t) {
        log.push_back(what);
        locations.push_back(t.front()->locationIn(this));
        if (!handles) {
            if (std::string(what) == "began")
                View::touchesBegan(t);
            else if (std::string(what) == "moved")
                View::touchesMoved(t);
            else if (std::string(what) == "ended")
                View::touchesEnded(t);
            else
                View::touchesCancelled(t);
        }
    }
};

// A controller-like responder between a view and its superview.
class RecordingResponder : public Responder {
  public:
    std::shared_ptr<View> after;
    int began = 0;
    std::shared_ptr<Responder> nextResponder() const override { return after; }
    void touchesBegan(const Touches& t) override {
        ++began;
        Responder::touchesBegan(t);
    }
};

// Follows the finger: each move shifts its centre by the move in its own coordinates.
class DraggedView : public View {
  public:
    using View::init;
    void touchesMoved(const Touches& t) override {
        Point move = t.front()->locationIn(this) - t.front()->previousLocationIn(this);
        setCenter(center() + move);
    }
};

class TouchTest : public testing_support::TestEnvironment {
  protected:
    void SetUp() override {
        TestEnvironment::SetUp();
        root = make<RecordingView>(Rect{0, 0, 320, 480});
        button = make<RecordingView>(Rect{20, 20, 100, 40});
        other = make<RecordingView>(Rect{200, 20, 100, 40});
        root->addSubview(button);
        root->addSubview(other);
    }
    std::shared_ptr<RecordingView> root, button, other;
};

TEST_F(TouchTest, AnOverlayTakesTheTouchesOfWhatItCovers) {
    EXPECT_EQ(testing_support::tap(*button), button);
    EXPECT_EQ(button->log, (std::vector<std::string>{"began", "ended"}));

    auto overlay = make<RecordingView>(root->bounds());
    auto spinner = make<View>(Rect{140, 220, 40, 40});
    overlay->addSubview(spinner);
    root->addSubview(overlay);
    EXPECT_EQ(testing_support::tap(*button), overlay);
    EXPECT_EQ(button->log.size(), 2u);

    // An overlay that is hidden, nearly transparent or not taking touches lets them through,
    // together with its subviews.
    for (auto change : std::vector<std::function<void(bool)>>{
             [&](bool on) { overlay->setHidden(on); }, [&](bool on) { overlay->setAlpha(on ? 0.005 : 1); },
             [&](bool on) { overlay->setUserInteractionEnabled(!on); }}) {
        change(true);
        EXPECT_EQ(testing_support::tap(*button), button);
        EXPECT_EQ(root->hitTest({160, 240}), root);
        change(false);
        EXPECT_EQ(root->hitTest({160, 240}), spinner);
    }
    // Outside the root nothing is hit.
    EXPECT_EQ(root->hitTest({-1, 10}), nullptr);
    EXPECT_EQ(root->hitTest({320, 10}), nullptr);
}

TEST_F(TouchTest, ASequenceStaysWithTheViewItBeganOn) {
    Finger finger(root);
    EXPECT_EQ(finger.down({30, 30}), button);
    finger.moveTo({250, 40});   // over the other view
    finger.moveTo({500, 900});  // off the screen
    finger.up();
    EXPECT_EQ(button->log, (std::vector<std::string>{"began", "moved", "moved", "ended"}));
    EXPECT_TRUE(other->log.empty());
    EXPECT_EQ(button->locations[1], (Point{230, 20}));  // in the button's coordinates

    // A second touch of the same finger while the first is down is ignored; events of a finger that
    // is not down too.
    Finger second(root, 2);
    second.moveTo({30, 30});
    second.up();
    EXPECT_EQ(second.down({30, 30}), button);
    EXPECT_EQ(second.down({250, 30}), nullptr);
    second.cancel();
    EXPECT_EQ(button->log.back(), "cancelled");
}

TEST_F(TouchTest, UnhandledTouchesGoUpTheResponderChainThroughTheController) {
    button->handles = false;
    testing_support::tap(*button);
    EXPECT_EQ(root->log, (std::vector<std::string>{"began", "ended"}));
    // Locations are converted for whoever asks.
    EXPECT_EQ(root->locations[0], (Point{70, 40}));

    auto controller = std::make_shared<RecordingResponder>();
    controller->after = root;
    button->setController(controller);
    testing_support::tap(*button);
    EXPECT_EQ(controller->began, 1);
    EXPECT_EQ(root->log.size(), 4u);

    controller.reset();  // a controller that has gone is skipped
    testing_support::tap(*button);
    EXPECT_EQ(root->log.size(), 6u);
}

TEST_F(TouchTest, LocationsAndHitsFollowTheViewsTransform) {
    auto turned = make<RecordingView>(Rect{50, 75, 100, 50});  // centre (100, 100)
    turned->setTransform(AffineTransform::rotation(std::numbers::pi / 2));
    root->addSubview(turned);
    // Turned a quarter, the view stands 50 wide and 100 high about its centre.
    EXPECT_EQ(root->hitTest({100, 140}), turned);
    EXPECT_EQ(root->hitTest({140, 100}), root);
    Finger finger(root);
    EXPECT_EQ(finger.down({100, 140}), turned);
    finger.moveTo({120, 100});
    finger.up();
    EXPECT_NEAR(turned->locations[0].x, 90, 1e-9);
    EXPECT_NEAR(turned->locations[0].y, 25, 1e-9);
    EXPECT_NEAR(turned->locations[1].x, 50, 1e-9);
    EXPECT_NEAR(turned->locations[1].y, 5, 1e-9);
    // A scaled view keeps its centre; a tap at it lands there.
    other->setTransform(AffineTransform::scale(3));
    EXPECT_EQ(testing_support::centreInRoot(*other), (Point{250, 40}));
    EXPECT_EQ(testing_support::tap(*other), other);
}

TEST_F(TouchTest, ADraggedViewStaysUnderTheFinger) {
    auto piece = make<DraggedView>(Rect{40, 300, 80, 80});  // centre (80, 340)
    root->addSubview(piece);
    Finger finger(root);
    ASSERT_EQ(finger.down({90, 350}), piece);  // 10 right of and below the centre
    finger.moveBy({150, -200}, 7);
    EXPECT_NEAR(piece->center().x, 230, 1e-9);
    EXPECT_NEAR(piece->center().y, 140, 1e-9);
    // The finger is still on the same point of the view.
    Point under = piece->convertFrom(finger.location(), nullptr);
    EXPECT_NEAR(under.x, 50, 1e-9);
    EXPECT_NEAR(under.y, 50, 1e-9);
    finger.up();

    // The same through a scroll-like parent whose bounds origin is shifted.
    auto page = make<View>(Rect{0, 0, 320, 480});
    page->setBounds({320, 0, 320, 480});
    root->addSubview(page);
    page->addSubview(piece);
    piece->setCenter({400, 100});
    EXPECT_EQ(testing_support::drag(*piece, {-30, 40}, 3), piece);
    EXPECT_NEAR(piece->center().x, 370, 1e-9);
    EXPECT_NEAR(piece->center().y, 140, 1e-9);
}

}  // namespace
