// The pies beside the interactive book's page rows, drawn for a row of counts and compared with a
// reference picture: nothing answered (one grey circle, no wedge line), a quarter right and a
// quarter wrong, all right (one green circle), no open sector, and a right share too narrow to
// draw but still taking its room. ORVA_WRITE_REFERENCES=1 writes the reference anew (look at it).

#include <gtest/gtest.h>

#include <filesystem>

#include "Classes/library_store/IBookStatsView.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Context.h"
#include "platform/ui/Make.h"
#include "tests/support/PictureComparison.h"

namespace {

TEST(IBookStatsViewTest, PiesOfAFewCountsMatchTheirReferencePicture) {
    const MIBStats rows[] = {{4, 0, 0},   {4, 1, 1},    {3, 3, 0}, {5, 2, 3},
                             {100, 1, 0}, {200, 1, 60}, {0, 0, 0}};
    constexpr double kCell = 32;
    const int count = int(std::size(rows));
    gfx::Context c(kCell * count, kCell, 2);
    c.setFillColor(1, 1, 1, 1);
    c.fillRect(0, 0, kCell * count, kCell);
    for (int i = 0; i < count; ++i) IBookStatsView::drawPie(c, kCell * i + kCell / 2, kCell / 2, rows[i]);
    const std::string png = c.pngData();
    const auto reference = std::filesystem::path(ORVA_FIXTURES) / "library" / "pies.png";
    auto drawn = gfx::Bitmap::decodePNG(png);
    auto expected = gfx::Bitmap::decodePNG(testing_support::referencePicture(reference, png));
    ASSERT_TRUE(drawn && expected) << reference;
    EXPECT_LT(testing_support::differingShare(*drawn, *expected, 24), 0.005);
}

TEST(IBookStatsViewTest, TheViewIsClearAndDrawsItsCountsAroundItsCentre) {
    auto view = ui::make<IBookStatsView>(ui::Rect{4, 4, 57, 57}, MIBStats{2, 1, 0});
    EXPECT_EQ(view->backgroundColor(), ui::Color::clear());
    EXPECT_EQ(view->stats(), (MIBStats{2, 1, 0}));
    gfx::Context c(57, 57, 1);
    gfx::Context::MakeCurrent current(c);
    view->drawRect(view->bounds());
    auto bitmap = gfx::Bitmap::decodePNG(c.pngData());
    ASSERT_TRUE(bitmap);
    // From the top against the clock: the open half on the left, then the right one (green) on the
    // right; the corners stay clear.
    EXPECT_EQ(bitmap->pixel(0, 0).alpha, 0);
    gfx::Bitmap::RGBA left = bitmap->pixel(20, 28), right = bitmap->pixel(37, 28);
    EXPECT_GT(left.alpha, 0);
    EXPECT_EQ(left.red, left.green) << "the open half is grey";
    EXPECT_GT(right.alpha, 0);
    EXPECT_GT(right.green, right.red);
}

}  // namespace
