// The view tree: order, tags, geometry with transforms, coordinate conversion and autoresizing.

#include <gtest/gtest.h>

#include <cmath>

#include "platform/ui/Make.h"
#include "platform/ui/View.h"
#include "tests/support/TestEnvironment.h"
#include "tests/support/ViewTestSupport.h"

using namespace ui;

namespace {

class ViewTreeTest : public testing_support::TestEnvironment {};

// Builds its content in its initialiser, where it is already shared.
class Panel : public View {
  public:
    using View::init;
    void init(const Rect& frame) override {
        View::init(frame);
        auto close = make<View>(Rect{0, 0, 20, 20});
        close->setTag(-1);
        addSubview(close);
        selfWhileInitialising = sharedAs<View>();
    }
    std::weak_ptr<View> selfWhileInitialising;
};

std::shared_ptr<View> tagged(int tag, Rect frame = {}) {
    auto v = make<View>(frame);
    v->setTag(tag);
    return v;
}

std::vector<int> tags(const View& v) {
    std::vector<int> out;
    for (auto& s : v.subviews()) out.push_back(s->tag());
    return out;
}

TEST_F(ViewTreeTest, SubviewsKeepTheirOrderAndMoveBetweenSuperviews) {
    auto a = tagged(0), b = tagged(0);
    auto v1 = tagged(1), v2 = tagged(2), v3 = tagged(3);
    a->addSubview(v1);
    a->addSubview(v2);
    a->addSubview(v3);
    EXPECT_EQ(tags(*a), (std::vector<int>{1, 2, 3}));
    a->addSubview(v1);  // again: to the top
    EXPECT_EQ(tags(*a), (std::vector<int>{2, 3, 1}));
    a->sendSubviewToBack(v1.get());
    a->bringSubviewToFront(v2.get());
    EXPECT_EQ(tags(*a), (std::vector<int>{1, 3, 2}));
    a->exchangeSubviews(0, 2);
    a->insertSubviewBelow(v3, v2.get());
    EXPECT_EQ(tags(*a), (std::vector<int>{3, 2, 1}));
    a->insertSubview(v1, 0);
    a->insertSubviewAbove(v3, v2.get());
    EXPECT_EQ(tags(*a), (std::vector<int>{1, 2, 3}));

    b->addSubview(v2);  // moves it
    EXPECT_EQ(tags(*a), (std::vector<int>{1, 3}));
    EXPECT_EQ(v2->superview(), b);

    // A view cannot become its own descendant.
    v2->addSubview(b);
    a->addSubview(a);
    EXPECT_EQ(b->superview(), nullptr);
    EXPECT_EQ(tags(*a), (std::vector<int>{1, 3}));

    // A view whose only owner is its superview survives its own removal call.
    std::weak_ptr<View> weak = v3;
    v3.reset();
    weak.lock()->removeFromSuperview();
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(tags(*a), (std::vector<int>{1}));

    // Subviews outlive a superview that ends.
    b.reset();
    EXPECT_EQ(v2->superview(), nullptr);
}

TEST_F(ViewTreeTest, MakeRunsTheInitialiserOnTheSharedObject) {
    auto panel = make<Panel>(Rect{0, 0, 100, 100});
    EXPECT_EQ(panel->selfWhileInitialising.lock(), panel);
    EXPECT_EQ(panel->viewWithTag(-1)->superview(), panel);
    EXPECT_EQ(make<Panel>()->frame(), Rect{});
}

TEST_F(ViewTreeTest, ViewWithTagSearchesItselfThenDepthFirst) {
    auto root = tagged(5);
    auto first = tagged(1), second = tagged(7), deep = tagged(7), self = tagged(5);
    root->addSubview(first);
    root->addSubview(second);
    first->addSubview(deep);
    second->addSubview(self);
    EXPECT_EQ(root->viewWithTag(5), root);
    EXPECT_EQ(root->viewWithTag(7), deep);
    EXPECT_EQ(second->viewWithTag(5), self);
    EXPECT_EQ(root->viewWithTag(99), nullptr);
    EXPECT_EQ(testing_support::findByTag(root, 1), first);
}

TEST_F(ViewTreeTest, FrameBoundsCentreAndTransform) {
    auto v = make<View>(Rect{10, 20, 100, 40});
    EXPECT_EQ(v->center(), (Point{60, 40}));
    EXPECT_EQ(v->bounds(), (Rect{0, 0, 100, 40}));
    v->setTransform(AffineTransform::scale(3));
    EXPECT_EQ(v->center(), (Point{60, 40}));
    EXPECT_EQ(v->bounds(), (Rect{0, 0, 100, 40}));
    EXPECT_EQ(v->frame(), (Rect{-90, -20, 300, 120}));
    v->setTransform(AffineTransform::identity());
    v->setBounds({0, 0, 50, 50});  // about the centre
    EXPECT_EQ(v->frame(), (Rect{35, 15, 50, 50}));
    v->setFrame({0, 0, -20, 10});  // a negative size is its mirror
    EXPECT_EQ(v->frame(), (Rect{-20, 0, 20, 10}));
    v->setCenter({NAN, 1});  // ignored
    v->setAlpha(7);
    EXPECT_EQ(v->center(), (Point{-10, 5}));
    EXPECT_EQ(v->alpha(), 1);
    EXPECT_EQ(v->sizeThatFits({1, 1}), (Size{20, 10}));

    auto root = make<View>(Rect{0, 0, 320, 480});
    auto panel = make<View>(Rect{100, 100, 100, 100});
    auto inner = make<View>(Rect{10, 10, 20, 20});
    root->addSubview(panel);
    panel->addSubview(inner);
    panel->setBounds({50, 0, 100, 100});  // content shifted left by 50
    EXPECT_EQ(inner->convertTo(Point{0, 0}, nullptr), (Point{60, 110}));
    EXPECT_EQ(root->convertTo(Point{60, 110}, inner.get()), (Point{0, 0}));
    EXPECT_EQ(inner->convertTo(Rect{0, 0, 20, 20}, root.get()), (Rect{60, 110, 20, 20}));
    // Views of different trees convert as if their roots were one.
    auto loose = make<View>(Rect{5, 5, 10, 10});
    EXPECT_EQ(loose->convertTo(Point{0, 0}, inner.get()), (Point{-60, -110}));
}

TEST_F(ViewTreeTest, SubviewsFollowTheirAutoresizingMaskWhenTheSuperviewChangesSize) {
    auto home = make<View>(Rect{0, 0, 768, 1004});
    auto fixed = make<View>(Rect{100, 100, 200, 100});
    auto wide = make<View>(Rect{20, 10, 728, 50});
    wide->setAutoresizingMask(FlexibleWidth);
    auto right = make<View>(Rect{700, 10, 48, 30});
    right->setAutoresizingMask(FlexibleLeftMargin);
    auto centred = make<View>(Rect{284, 400, 200, 100});
    centred->setAutoresizingMask(FlexibleLeftMargin | FlexibleRightMargin | FlexibleTopMargin |
                                 FlexibleBottomMargin);
    auto bottom = make<View>(Rect{0, 904, 768, 100});
    bottom->setAutoresizingMask(FlexibleTopMargin | FlexibleWidth);
    auto filling = make<View>(Rect{0, 0, 768, 1004});
    filling->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    auto grandchild = make<View>(Rect{0, 0, 768, 1004});
    grandchild->setAutoresizingMask(FlexibleWidth | FlexibleHeight);
    filling->addSubview(grandchild);
    for (auto& v : {fixed, wide, right, centred, bottom, filling}) home->addSubview(v);

    home->setFrame({0, 0, 1024, 748});  // the tablet turned to landscape
    EXPECT_EQ(fixed->frame(), (Rect{100, 100, 200, 100}));
    EXPECT_EQ(wide->frame(), (Rect{20, 10, 984, 50}));
    EXPECT_EQ(right->frame(), (Rect{956, 10, 48, 30}));
    // Flexible margins share the change in proportion: 256 more across, 256 less down.
    EXPECT_EQ(centred->frame().origin.x, 412);
    EXPECT_NEAR(centred->frame().origin.y, 400 - 256.0 * 400 / 904, 1e-9);
    EXPECT_EQ(centred->frame().size, (Size{200, 100}));
    EXPECT_EQ(bottom->frame(), (Rect{0, 648, 1024, 100}));
    EXPECT_EQ(grandchild->frame(), (Rect{0, 0, 1024, 748}));

    // Two flexible parts share the change in proportion to their lengths.
    auto shared = make<View>(Rect{100, 0, 300, 10});  // left margin 100, width 300
    shared->setAutoresizingMask(FlexibleLeftMargin | FlexibleWidth);
    home->addSubview(shared);
    home->setFrame({0, 0, 1424, 748});
    EXPECT_EQ(shared->frame(), (Rect{200, 0, 600, 10}));

    // Nothing follows when the superview says so.
    home->setAutoresizesSubviews(false);
    home->setFrame({0, 0, 768, 1004});
    EXPECT_EQ(shared->frame(), (Rect{200, 0, 600, 10}));
}

TEST_F(ViewTreeTest, AutoresizingMovesATransformedViewWithoutChangingItsOwnSize) {
    // A key kept enlarged and transparent while hidden, at the bottom middle of the tablet.
    auto home = make<View>(Rect{0, 0, 768, 1004});
    auto key = make<View>(Rect{324, 940, 120, 34});
    key->setAutoresizingMask(FlexibleLeftMargin | FlexibleRightMargin | FlexibleTopMargin);
    key->setTransform(AffineTransform::scale(3));
    home->addSubview(key);
    home->setFrame({0, 0, 1024, 748});
    EXPECT_EQ(key->bounds().size, (Size{120, 34}));
    EXPECT_EQ(key->center(), (Point{512, 701}));
    home->setFrame({0, 0, 768, 1004});
    key->setTransform(AffineTransform::identity());
    EXPECT_EQ(key->frame(), (Rect{324, 940, 120, 34}));
}

}  // namespace
