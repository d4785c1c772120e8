// Pixels cut out of a bitmap, images made from pixels and back, and the tiles that changed between
// two drawings.

#include <gtest/gtest.h>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/TileChanges.h"
#include "platform/ui/Image.h"

using gfx::Bitmap;
using gfx::PixelRect;
using gfx::TileChanges;

namespace {

// A 10 x 6 bitmap whose every pixel tells where it is: red = x * 20, green = y * 40.
Bitmap numbered() {
    Bitmap b(10, 6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) b.setPixel(x, y, {x * 20, y * 40, 7, 255});
    return b;
}

TEST(CropTest, TheIntersectionAtEveryEdgeAndNothingWhenDisjoint) {
    const Bitmap b = numbered();
    struct Case {
        PixelRect asked;
        PixelRect got;  // in the bitmap
    } cases[] = {
        {{2, 1, 3, 2}, {2, 1, 3, 2}},       // inside
        {{-3, 1, 5, 2}, {0, 1, 2, 2}},      // over the left edge
        {{8, 1, 5, 2}, {8, 1, 2, 2}},       // over the right edge
        {{2, -4, 3, 6}, {2, 0, 3, 2}},      // over the top edge
        {{2, 5, 3, 9}, {2, 5, 3, 1}},       // over the bottom edge
        {{-5, -5, 30, 30}, {0, 0, 10, 6}},  // around it
        {{10, 0, 4, 4}, {}},                // beside it, touching
        {{0, -3, 4, 3}, {}},                // above it, touching
        {{-2147483647, -2147483647, 2147483647, 2147483647}, {}},
        {{3, 3, 0, 2}, {}},  // empty
        {{3, 3, -2, 2}, {}},
    };
    for (const Case& c : cases) {
        Bitmap crop = b.cropped(c.asked);
        SCOPED_TRACE(testing::Message()
                     << c.asked.x << "," << c.asked.y << " " << c.asked.width << "x" << c.asked.height);
        ASSERT_EQ(crop.width(), c.got.width);
        ASSERT_EQ(crop.height(), c.got.height);
        if (c.got.isEmpty()) {
            EXPECT_TRUE(crop.isEmpty());
            continue;
        }
        EXPECT_EQ(crop.pixel(0, 0), b.pixel(c.got.x, c.got.y));
        EXPECT_EQ(crop.pixel(c.got.width - 1, c.got.height - 1),
                  b.pixel(c.got.x + c.got.width - 1, c.got.y + c.got.height - 1));
    }
}

TEST(CropTest, AnImageOfPixelsComesBackPixelExactThroughItsPng) {
    gfx::Context c(30, 20, 2);
    c.setFillColor(0.2, 0.6, 0.9, 0.5);  // translucent: premultiplied values must survive
    c.fillRect(3, 2, 17, 11);
    c.setStrokeColor(1, 1, 1, 1);
    c.addLines({{0, 0}, {30, 20}});
    c.strokePath();
    Bitmap drawn = c.takeBitmap();
    EXPECT_TRUE(c.bitmap().isEmpty());  // handed over

    auto image = ui::Image::fromBitmap(drawn, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), (ui::Size{30, 20}));
    EXPECT_TRUE(image->isDrawn());
    EXPECT_EQ(*image->bitmap(), drawn);
    auto back = ui::Image::fromPNG(image->pngData(), 2);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back->bitmap(), drawn);
    EXPECT_EQ(*back, *image);  // a PNG of the same pixels is the same image

    Bitmap other = drawn;
    other.setPixel(59, 39, {0, 0, 0, 255});
    EXPECT_FALSE(*ui::Image::fromBitmap(other, 2) == *image);
    EXPECT_FALSE(*ui::Image::fromBitmap(drawn, 1) == *image);  // another scale, another size
    EXPECT_EQ(ui::Image::fromBitmap(Bitmap(), 2), nullptr);
    EXPECT_EQ(ui::Image::fromBitmap(Bitmap(4, 4), -1)->scale(), 1);
}

TEST(TileChangesTest, OnlyTheTouchedTilesAsRowRuns) {
    Bitmap before(200, 130);
    Bitmap after = before;
    EXPECT_TRUE(TileChanges::between(before, after).empty());

    after.setPixel(70, 10, {255, 255, 255, 255});   // tile (1, 0)
    after.setPixel(130, 10, {255, 255, 255, 255});  // tile (2, 0): beside it
    after.setPixel(199, 129, {1, 0, 0, 255});       // the last, cut tile (3, 2)
    after.setPixel(5, 70, {0, 0, 0, 1});            // tile (0, 1): the faintest change counts
    std::vector<PixelRect> changed = TileChanges::between(before, after);
    EXPECT_EQ(changed, (std::vector<PixelRect>{{64, 0, 128, 64}, {0, 64, 64, 64}, {192, 128, 8, 2}}));
    EXPECT_NEAR(TileChanges::coverage(changed, after), (128 * 64 + 64 * 64 + 16) / (200.0 * 130), 1e-9);

    // Another size changes everything.
    EXPECT_EQ(TileChanges::between(Bitmap(10, 10), after), (std::vector<PixelRect>{{0, 0, 200, 130}}));
    EXPECT_TRUE(TileChanges::between(after, Bitmap()).empty());
}

}  // namespace
