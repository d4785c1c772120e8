#include <gtest/gtest.h>

#include "tests/resources/BundleImageChecks.h"
#include "tests/support/TestEnvironment.h"

namespace {

class SettingsImagesTest : public testing_support::TestEnvironment {};

// The settings row of the tips shows a light bulb: the white outline of its round glass stands
// above the screw base, so its top and both sides are drawn, not only the bottom of the circle.
TEST_F(SettingsImagesTest, TheTipsIconShowsTheBulbsRoundGlass) {
    std::ifstream in(fnd::Bundle::main().resourcePath() / "images/Settings_icon_tips@2x.png",
                     std::ios::binary);
    auto bitmap = gfx::Bitmap::decode(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_TRUE(bitmap);
    ASSERT_EQ(bitmap->width(), 72);
    // The glass is a circle of 7.5 points around (18, 15): its top, left and right, in pixels.
    struct Point {
        int x, y;
    };
    for (Point p : {Point{36, 15}, Point{21, 30}, Point{51, 30}}) {
        auto c = bitmap->pixel(p.x, p.y);
        EXPECT_TRUE(c.red > 220 && c.green > 220 && c.blue > 220)
            << p.x << "," << p.y << ": " << c.red << " " << c.green << " " << c.blue;
    }
}

}  // namespace
