// The scratchpad: its arithmetic (which points a pen keeps, the committed spline, how far the view
// moves over the sheet, what part of the sheet it shows), strokes committed into the sheet and cut
// to its drawable area, moving, clearing, and the panel that keeps its drawing while hidden.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Classes/study_aids/ScratchpadGeometry.h"
#include "Classes/study_aids/ScratchpadVC.h"
#include "Classes/study_aids/ScratchpadView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Make.h"
#include "platform/ui/SegmentedControl.h"
#include "tests/Classes/study_aids/StudyAidsScreensSupport.h"
#include "tests/support/ViewTestSupport.h"

namespace {

using G = ScratchpadGeometry;
using testing_support::Finger;

// ---- The arithmetic

TEST(ScratchpadGeometryTest, APenKeepsPointsMoreThanFourPointsAway) {
    struct Case {
        ui::Point to;
        bool kept;
    };
    for (const Case& c :
         std::vector<Case>{{{4, 0}, false}, {{4.01, 0}, true}, {{3, 3}, true}, {{2, 3}, false}})
        EXPECT_EQ(G::keepsPenPoint({10, 10}, {10 + c.to.x, 10 + c.to.y}), c.kept) << c.to.x << "," << c.to.y;
}

TEST(ScratchpadGeometryTest, TheSplineStartsAtTheFirstPointAndEndsShortOfTheLast) {
    std::vector<ui::Point> points{{0, 0}, {60, 0}, {60, 60}, {0, 60}, {0, 120}};
    std::vector<ui::Point> path = G::splinePath(points);
    // The first point, then eleven samples for each of the two segments.
    ASSERT_EQ(path.size(), 1u + 2 * 11);
    EXPECT_EQ(path.front(), points.front());
    // B(0) of the first segment is (p0 + 4 p1 + p2) / 6; B(1) of the last (p2 + 4 p3 + p4) / 6.
    EXPECT_NEAR(path[1].x, 50, 1e-9);
    EXPECT_NEAR(path[1].y, 10, 1e-9);
    EXPECT_NEAR(path.back().x, 10, 1e-9);
    EXPECT_NEAR(path.back().y, 70, 1e-9);
    // A segment ends where the next begins.
    EXPECT_NEAR(path[11].x, path[12].x, 1e-9);
    EXPECT_NEAR(path[11].y, path[12].y, 1e-9);
    EXPECT_EQ(G::splinePath({{1, 2}, {3, 4}, {5, 6}}), (std::vector<ui::Point>{{1, 2}}));
}

TEST(ScratchpadGeometryTest, TheOffsetStaysOnTheSheetAndAViewLargerThanTheSheetGoesNegative) {
    const ui::Size sheet{380, 476}, view{320, 416};
    struct Case {
        ui::Point offset;
        ui::Point clamped;
    };
    for (const Case& c : std::vector<Case>{
             {{30, 30}, {30, 30}}, {{-5, 70}, {0, 60}}, {{61, -1}, {60, 0}}, {{12.5, 59}, {12.5, 59}}})
        EXPECT_EQ(G::clampedOffset(c.offset, sheet, view), c.clamped) << c.offset.x << "," << c.offset.y;
    // A turned phone: the view is wider than its sheet.
    EXPECT_EQ(G::clampedOffset({30, 30}, sheet, {480, 276}), (ui::Point{-100, 30}));
}

TEST(ScratchpadGeometryTest, TheViewShowsTheSheetItCoversAtItsPlace) {
    G::Crop inside = G::visibleCrop({30, 30}, {320, 416}, {380, 476}, 2);
    EXPECT_EQ(inside.pixels, (gfx::PixelRect{60, 60, 640, 832}));
    EXPECT_EQ(inside.place, (ui::Rect{0, 0, 320, 416}));
    // A view wider than the sheet shows all of its width, shifted in.
    G::Crop wide = G::visibleCrop({-100, 30}, {480, 276}, {380, 476}, 2);
    EXPECT_EQ(wide.pixels, (gfx::PixelRect{0, 60, 760, 552}));
    EXPECT_EQ(wide.place, (ui::Rect{100, 0, 380, 276}));
    EXPECT_TRUE(G::visibleCrop({500, 0}, {320, 416}, {380, 476}, 2).pixels.isEmpty());
    EXPECT_EQ(G::drawableAreaInView({380, 476}, {30, 30}), (ui::Rect{0, 0, 320, 416}));
    EXPECT_EQ(G::drawableAreaInView({380, 476}, {0, 60}), (ui::Rect{30, -30, 320, 416}));
}

// ---- The panel and its drawing

class ScratchpadTest : public study_aids_test::StudyAidsScreensTest {
  protected:
    void TearDown() override {
        if (panel) panel->close();
        StudyAidsScreensTest::TearDown();
    }
    void open() {
        panel = ui::make<ScratchpadVC>();
        runFor(0.3);
        pad = panel->pad();
        ASSERT_TRUE(pad);
    }
    // A finger on the pad, in the pad's coordinates, through hit-testing.
    void stroke(const std::vector<ui::Point>& points) {
        Finger finger(testing_support::rootOf(*pad));
        ui::Point origin = pad->convertTo(ui::Point{0, 0}, nullptr);
        finger.down(origin + points.front());
        for (std::size_t i = 1; i < points.size(); ++i) finger.moveTo(origin + points[i]);
        finger.up();
        runFor(0.05);
    }
    void setMode(int index) {
        auto control = std::dynamic_pointer_cast<ui::SegmentedControl>(modeControl());
        ASSERT_TRUE(control);
        control->setSelectedSegmentIndex(index);
        panel->setMode(control);
    }
    std::shared_ptr<ui::View> modeControl() {
        for (const auto& v : panel->view()->subviews())
            if (std::dynamic_pointer_cast<ui::SegmentedControl>(v)) return v;
        return nullptr;
    }
    // The sheet's pixel at a sheet point.
    gfx::Bitmap::RGBA sheetAt(ui::Point p) const {
        return pad->sheet().pixel(int(p.x * pad->scale()), int(p.y * pad->scale()));
    }
    // The pad's shown pixel at a view point.
    gfx::Bitmap::RGBA shownAt(ui::Point p) const {
        auto drawing = pad->drawing();
        return drawing->bitmap()->pixel(int(p.x * drawing->scale()), int(p.y * drawing->scale()));
    }
    static bool white(const gfx::Bitmap::RGBA& c) { return c.alpha == 255 && c.red == 255; }

    std::shared_ptr<ScratchpadVC> panel;
    std::shared_ptr<ScratchpadView> pad;
};

TEST_F(ScratchpadTest, ThePhoneSheetIsTheViewWithRoomToMoveAndTheTabletsIsASquare) {
    open();
    EXPECT_EQ(pad->sheetSize(), (ui::Size{pad->bounds().size.width + 60, pad->bounds().size.height + 60}));
    EXPECT_EQ(pad->panOrigin(), (ui::Point{30, 30}));
    EXPECT_EQ(pad->mode(), ScratchpadView::kPen);
    // The border: white at a third of full strength all round, nothing inside.
    EXPECT_NEAR(sheetAt({5, 5}).alpha, 77, 2);
    EXPECT_EQ(sheetAt({100, 100}).alpha, 0);
    panel->close();
    start(ui::Idiom::Tablet);
    open();
    EXPECT_EQ(pad->sheetSize(), (ui::Size{1536, 1536}));
    EXPECT_EQ(panel->view()->frame(), home->view()->bounds());
}

TEST_F(ScratchpadTest, AStrokeGoesIntoTheSheetAtThePanOffsetAndATapLeavesADot) {
    open();
    // Shown while drawn: the stroke is in the view before it is in the sheet.
    Finger finger(testing_support::rootOf(*pad));
    ui::Point origin = pad->convertTo(ui::Point{0, 0}, nullptr);
    finger.down(origin + ui::Point{50, 50});
    finger.moveTo(origin + ui::Point{150, 50});
    EXPECT_TRUE(white(shownAt({100, 50})));
    EXPECT_EQ(sheetAt({130, 80}).alpha, 0);
    finger.up();
    // The view point p is the sheet point p + (30, 30).
    EXPECT_TRUE(white(sheetAt({130, 80})));
    EXPECT_TRUE(pad->points().empty());
    stroke({{200, 200}, {200, 200}});
    EXPECT_TRUE(white(sheetAt({230, 230})));
}

TEST_F(ScratchpadTest, AStrokeLeavingTheDrawableAreaIsCutAtItsEdgeInTheSheetAndOnScreen) {
    open();
    pad->setMode(ScratchpadView::kMove);
    stroke({{100, 100}, {130, 130}});  // the view moves 30 points up and left: offset (0, 0)
    EXPECT_EQ(pad->panOrigin(), (ui::Point{0, 0}));
    pad->setMode(ScratchpadView::kPen);
    // From the sheet's corner band into the drawable area, held before it is lifted.
    Finger finger(testing_support::rootOf(*pad));
    ui::Point origin = pad->convertTo(ui::Point{0, 0}, nullptr);
    finger.down(origin + ui::Point{5, 100});
    finger.moveTo(origin + ui::Point{100, 100});
    EXPECT_FALSE(white(shownAt({10, 100})));
    EXPECT_TRUE(white(shownAt({60, 100})));
    finger.up();
    EXPECT_NEAR(sheetAt({10, 100}).alpha, 77, 2);  // only the border
    EXPECT_TRUE(white(sheetAt({60, 100})));
}

TEST_F(ScratchpadTest, PenStrokesOfFourPointsAreSmoothedAndTheEraserPaintsBlack) {
    open();
    // Three points (the last move is too close to be kept; the lift adds its point): a polyline
    // through the apex (30 + 100, 30 + 10) on the sheet.
    stroke({{10, 100}, {100, 10}, {101, 12}});
    EXPECT_TRUE(white(sheetAt({130, 40})));
    // Four points (the lift repeats the last move): the spline cuts the corner.
    stroke({{10, 200}, {100, 200}, {100, 290}});
    EXPECT_FALSE(white(sheetAt({130, 230})));
    // Points closer than the filter are not kept while the finger moves.
    Finger finger(testing_support::rootOf(*pad));
    ui::Point origin = pad->convertTo(ui::Point{0, 0}, nullptr);
    finger.down(origin + ui::Point{200, 20});
    finger.moveTo(origin + ui::Point{202, 21});
    finger.moveTo(origin + ui::Point{210, 20});
    EXPECT_EQ(pad->points().size(), 2u);
    finger.up();
    setMode(ScratchpadView::kEraser);
    stroke({{90, 10}, {110, 10}});
    EXPECT_EQ(sheetAt({130, 40}), (gfx::Bitmap::RGBA{0, 0, 0, 255}));
}

TEST_F(ScratchpadTest, AModeIndexOtherThanTheThreeChangesNothingAndClearKeepsOffsetAndMode) {
    open();
    setMode(ScratchpadView::kMove);
    setMode(3);
    EXPECT_EQ(pad->mode(), ScratchpadView::kMove);
    stroke({{100, 100}, {80, 70}});  // the sheet follows the finger: the offset grows
    EXPECT_EQ(pad->panOrigin(), (ui::Point{50, 60}));
    // A move that ends where it began keeps the origin.
    stroke({{10, 10}, {30, 30}, {10, 10}});
    EXPECT_EQ(pad->panOrigin(), (ui::Point{50, 60}));
    setMode(ScratchpadView::kPen);
    stroke({{100, 100}, {200, 100}});
    EXPECT_TRUE(white(sheetAt({200, 160})));
    panel->clearClick(nullptr);
    EXPECT_EQ(sheetAt({200, 160}).alpha, 0);
    EXPECT_NEAR(sheetAt({5, 5}).alpha, 77, 2);
    EXPECT_EQ(pad->panOrigin(), (ui::Point{50, 60}));
    EXPECT_EQ(pad->mode(), ScratchpadView::kPen);
}

TEST_F(ScratchpadTest, ACancelledStrokeIsDroppedAndNotDrawnWithTheNextOne) {
    open();
    Finger finger(testing_support::rootOf(*pad));
    ui::Point origin = pad->convertTo(ui::Point{0, 0}, nullptr);
    finger.down(origin + ui::Point{50, 150});
    finger.moveTo(origin + ui::Point{150, 150});
    finger.cancel();
    EXPECT_TRUE(pad->points().empty());
    stroke({{200, 300}, {250, 300}});
    EXPECT_EQ(sheetAt({130, 180}).alpha, 0);
    EXPECT_TRUE(white(sheetAt({255, 330})));
}

TEST_F(ScratchpadTest, DoneHidesThePanelAndShowingItAgainBringsTheDrawingAtItsOffset) {
    open();
    pad->setMode(ScratchpadView::kMove);
    stroke({{100, 100}, {90, 90}});
    pad->setMode(ScratchpadView::kPen);
    stroke({{100, 100}, {150, 100}});
    int dones = 0;
    fnd::NotificationCenter::defaultCenter().addObserver(this, std::string(ScratchpadVC::kDoneNotification),
                                                         CommonViewController::notificationId(panel.get()),
                                                         [&](const fnd::Notification&) {
                                                             ++dones;
                                                             panel->moveOut();
                                                         });
    tapView(key(panel->view(), "Done"));
    runFor(0.5);
    fnd::NotificationCenter::defaultCenter().removeObserver(this);
    EXPECT_EQ(dones, 1);
    EXPECT_EQ(panel->view()->superview(), nullptr);
    panel->animation();
    runFor(0.5);
    EXPECT_EQ(panel->view()->superview(), home->view());
    EXPECT_EQ(pad->panOrigin(), (ui::Point{40, 40}));
    EXPECT_TRUE(white(shownAt({125, 100})));
}

TEST_F(ScratchpadTest, ATurnOfTheTabletClampsTheOffsetToTheNewSize) {
    start(ui::Idiom::Tablet);
    open();
    pad->setMode(ScratchpadView::kMove);
    stroke({{700, 900}, {0, 0}});
    EXPECT_EQ(pad->panOrigin(), (ui::Point{730, pad->sheetSize().height - pad->bounds().size.height}));
    // The home screen turns: the pad becomes wide, and the offset comes back onto the sheet.
    home->view()->setFrame({0, 0, 1024, 748});
    fnd::NotificationCenter::defaultCenter().post(ScratchpadVC::kOrientationChangedNotification, home);
    EXPECT_EQ(pad->panOrigin().x, pad->sheetSize().width - pad->bounds().size.width);
}

}  // namespace
