// The tag cloud's layout, worked by hand: clamping into the cloud, two tags on one centre, the
// neighbour a tag moves away from, far tags, whole-point label edges and a later layout that
// continues from the places of the one before.

#include <gtest/gtest.h>

#include <cmath>

#include "Classes/errorlog/MCloud.h"
#include "platform/ui/Label.h"
#include "tests/support/ScreenTestEnvironment.h"

namespace {

class CloudLayoutTest : public testing_support::ScreenTestEnvironment {
  protected:
    std::shared_ptr<MCloudTag> add(MCloud& cloud, double x, double y, const std::string& text = "Ratio") {
        return cloud.addTagAtPoint({x, y}, 18, 1.0f, ui::Color::whiteColor(), text);
    }
};

TEST_F(CloudLayoutTest, ATagIsItsUpperCasedTextInABoldLabelCentredOnItsPoint) {
    MCloud cloud({320, 300});
    EXPECT_EQ(cloud.cloudView()->frame(), (ui::Rect{0, 59, 320, 300}));
    EXPECT_EQ(cloud.cloudView()->autoresizingMask(), 18u);
    auto tag = cloud.addTagAtPoint({100, 50}, 12, 0.5f, ui::Color::redColor(), "Évaluation of a plan");
    EXPECT_EQ(tag->text(), "ÉVALUATION OF A PLAN");
    const ui::Label& label = *tag->tagLbl();
    EXPECT_EQ(label.text(), tag->text());
    EXPECT_EQ(label.font(), ui::Font::boldSystem(12));
    EXPECT_EQ(tag->size(), ui::Font::boldSystem(12).sizeOf(tag->text()));
    EXPECT_EQ(label.center(), (ui::Point{100, 50}));
    EXPECT_EQ(label.alpha(), 0.5);
    EXPECT_EQ(label.autoresizingMask(), 45u);
    EXPECT_EQ(cloud.cloudView()->subviews().back(), tag->tagLbl());
}

TEST_F(CloudLayoutTest, ALoneTagOnlyMovesIntoTheCloudAndOneTooWideEndsAtTheRightEdge) {
    MCloud empty({320, 300});
    empty.optimazeTags();
    EXPECT_TRUE(empty.tags().empty());

    MCloud cloud({320, 300});
    auto tag = add(cloud, -5, 100);
    cloud.optimazeTags();
    EXPECT_EQ(tag->center(), (ui::Point{tag->size().width / 2, 100}));

    MCloud narrow({20, 300});
    auto wide = add(narrow, 10, 100, "Arithmetic Operations");
    narrow.optimazeTags();
    EXPECT_EQ(wide->center().x, 20 - wide->size().width / 2);
}

TEST_F(CloudLayoutTest, TwoTagsOnOneCentreMoveApartByTheirOverlapAndTheNudge) {
    MCloud cloud({1000, 1000});
    auto a = add(cloud, 500, 500);
    auto b = add(cloud, 500, 500);
    double w = a->size().width, h = a->size().height;
    cloud.layoutPass(0);
    // a: differences of zero count as positive, so it goes right and down.
    EXPECT_DOUBLE_EQ(a->center().x, 500 + 0.1 * w + 4);
    EXPECT_DOUBLE_EQ(a->center().y, 500 + 0.7 * h + 4);
    // b sees a's new place and goes the other way by what still overlaps.
    double gapX = (0.1 * w + 4) - w, gapY = (0.7 * h + 4) - h;
    ASSERT_LT(gapY, 0);
    EXPECT_DOUBLE_EQ(b->center().x, 500 - 0.1 * std::abs(gapX) - 4);
    EXPECT_DOUBLE_EQ(b->center().y, 500 - 0.7 * std::abs(gapY) - 4);
    EXPECT_EQ(a->tagLbl()->center(), (ui::Point{500, 500}));  // labels move only at the end
}

TEST_F(CloudLayoutTest, ATagMovesAwayFromTheNeighbourItOverlapsOnly) {
    MCloud cloud({1000, 1000});
    auto a = add(cloud, 500, 500);
    auto b = add(cloud, 510, 500);
    add(cloud, 500, 700);  // far below: moving away from it would not move a left
    double gapX = 10 - b->size().width;
    double s = 5.0 / (3 + 5);
    cloud.layoutPass(3);
    EXPECT_DOUBLE_EQ(a->center().x, 500 - 0.1 * std::abs(gapX) - 20 * s / 5);
    EXPECT_DOUBLE_EQ(a->center().y, 500 + 0.7 * a->size().height + 20 * s / 5);

    MCloud far({5000, 5000});
    auto c = add(far, 100, 100);
    auto d = add(far, 100 + c->size().width + 1000, 100);
    far.optimazeTags();
    EXPECT_EQ(c->center(), (ui::Point{100, 100}));
    EXPECT_EQ(d->center(), (ui::Point{100 + c->size().width + 1000, 100}));
}

TEST_F(CloudLayoutTest, LabelsEndOnWholePointsAndALaterLayoutContinues) {
    MCloud cloud({320, 300});
    for (int i = 0; i < 6; ++i) add(cloud, 150 + i, 140 + i, "Tag " + std::string(i + 1, 'i'));
    cloud.optimazeTags();
    MCloud again({320, 300});
    for (const auto& tag : cloud.tags()) {
        ui::Rect frame = tag->tagLbl()->frame();
        EXPECT_EQ(frame.maxX(), std::round(frame.maxX())) << tag->text();
        EXPECT_EQ(frame.maxY(), std::round(frame.maxY())) << tag->text();
        again.addTagAtPoint(tag->center(), 18, 1.0f, ui::Color::whiteColor(), tag->text());
    }
    cloud.optimazeTags();
    again.optimazeTags();
    for (std::size_t i = 0; i < cloud.tags().size(); ++i)
        EXPECT_EQ(cloud.tags()[i]->center(), again.tags()[i]->center());
}

}  // namespace
