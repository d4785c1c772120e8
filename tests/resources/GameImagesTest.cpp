#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Image.h"
#include "tests/resources/BundleImageChecks.h"
#include "tests/support/TestEnvironment.h"

namespace {

class GameImagesTest : public testing_support::TestEnvironment {};

// The sizes in points the game's screens lay out for: the level key (51 points at scale 1), the
// stars under it and on the results, a life beside the score, the badge of a new best, and the
// screens' backgrounds.
TEST_F(GameImagesTest, EveryGamePictureHasTheSizeItsScreenLaysOut) {
    struct Picture {
        const char* name;
        double width, height;
    };
    const Picture pictures[] = {
        {"game_level_bg.png", 51, 51},           {"game_level_bg_h.png", 51, 51},
        {"game_level_bg_locked.png", 51, 51},    {"game_star_empty.png", 14, 14},
        {"game_star_semi.png", 14, 14},          {"game_star_full.png", 14, 14},
        {"game_bigstar_empty.png", 60, 60},      {"game_bigstar_semi.png", 60, 60},
        {"game_bigstar_full.png", 60, 60},       {"game_life.png", 20, 20},
        {"game_highscore.png", 90, 48},          {"game_background.png", 480, 320},
        {"game_background-iPad.png", 768, 1004},
    };
    for (const Picture& p : pictures)
        resources_test::expectBundleImage(ui::Image::named(p.name), p.width, p.height);
}

// A locked level shows a padlock: its shackle rises above the body as an arch (drawn the other way,
// it lay inside the body and the lock read as a bag), with the slate showing through the arch.
TEST_F(GameImagesTest, TheLockedLevelsPadlockHasItsShackleAboveItsBody) {
    auto bitmap = resources_test::bundleBitmap("images/game_level_bg_locked@2x.png");
    ASSERT_TRUE(bitmap);
    ASSERT_EQ(bitmap->width(), 102);
    // In pixels: the key's middle is at 51; the slate well left of the lock, the arch's top, the
    // space inside the arch, and the body.
    auto red = [&](int x, int y) { return bitmap->pixel(x, y).red; };
    const int slate = red(15, 23);
    EXPECT_GT(red(51, 23), slate + 40) << "the arch's top";
    EXPECT_LT(red(51, 35), slate + 20) << "inside the arch";
    EXPECT_GT(red(40, 60), slate + 40) << "the body";
}

}  // namespace
