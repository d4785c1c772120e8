// Rectangles, affine transforms and colours.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/ui/AffineTransform.h"
#include "platform/ui/Color.h"
#include "platform/ui/Rect.h"

using namespace ui;

namespace {

constexpr double pi = std::numbers::pi;

void expectNear(const AffineTransform& a, const AffineTransform& b) {
    EXPECT_NEAR(a.a, b.a, 1e-9);
    EXPECT_NEAR(a.b, b.b, 1e-9);
    EXPECT_NEAR(a.c, b.c, 1e-9);
    EXPECT_NEAR(a.d, b.d, 1e-9);
    EXPECT_NEAR(a.tx, b.tx, 1e-9);
    EXPECT_NEAR(a.ty, b.ty, 1e-9);
}

TEST(GeometryTest, Rectangles) {
    Rect r{10, 10, 100, 50};
    EXPECT_TRUE(r.contains({10, 10}));
    EXPECT_FALSE(r.contains({110, 30}));  // the right edge is outside
    EXPECT_FALSE(Rect(0, 0, 0, 10).contains({0, 0}));
    EXPECT_EQ(r.intersection({100, 50, 50, 50}), (Rect{100, 50, 10, 10}));
    EXPECT_FALSE(r.intersects({110, 10, 5, 5}));
    EXPECT_EQ(r.united({0, 0, 5, 5}), (Rect{0, 0, 110, 60}));
    EXPECT_EQ(Rect(10, 10, -10, -10).standardized(), (Rect{0, 0, 10, 10}));
    EXPECT_EQ(r.insetBy(60, 5), (Rect{70, 15, 0, 40}));
}

TEST(GeometryTest, TransformsComposeInvertAndDecompose) {
    AffineTransform turn = AffineTransform::rotation(pi / 2);
    EXPECT_NEAR(turn.apply(Point{1, 0}).y, 1, 1e-12);  // x turns towards y (down the screen)
    AffineTransform t = AffineTransform::scale(2, 3).concat(turn).concat(AffineTransform::translation(5, 7));
    Point p = t.apply(Point{1, 1});
    EXPECT_NEAR(p.x, 5 - 3, 1e-12);
    EXPECT_NEAR(p.y, 7 + 2, 1e-12);
    Point back = t.inverted().apply(p);
    EXPECT_NEAR(back.x, 1, 1e-12);
    EXPECT_NEAR(back.y, 1, 1e-12);
    // A transform that cannot be inverted stays as it is.
    EXPECT_EQ(AffineTransform::scale(0).inverted(), AffineTransform::scale(0));
    EXPECT_EQ(AffineTransform::scale(2).apply(Rect{-1, -1, 2, 2}), (Rect{-2, -2, 4, 4}));

    for (const AffineTransform& m :
         {t, AffineTransform::scale(-1, 1), AffineTransform::scale(1, 0.05),
          AffineTransform{1, 0, 0.5, 1, 0, 0}, AffineTransform::rotation(-pi / 80)}) {
        expectNear(AffineTransform::compose(m.decompose()), m);
    }
}

TEST(GeometryTest, TransformsInterpolateByTheirParts) {
    // Scale and turn together: half way is half the scale change and half the angle.
    AffineTransform from = AffineTransform::identity();
    AffineTransform to = AffineTransform::scale(3).concat(AffineTransform::rotation(pi / 4));
    expectNear(AffineTransform::interpolate(from, to, 0.5),
               AffineTransform::scale(2).concat(AffineTransform::rotation(pi / 8)));
    // Never the long way round: from +170 to -170 degrees passes 180.
    AffineTransform mid = AffineTransform::interpolate(AffineTransform::rotation(pi * 17 / 18),
                                                       AffineTransform::rotation(-pi * 17 / 18), 0.5);
    expectNear(mid, AffineTransform::rotation(pi));
    expectNear(AffineTransform::interpolate(from, to, 1), to);
}

TEST(ColorTest, HueSaturationBrightness) {
    // The program's main, dark and light greens.
    Color main = Color::hsb(0.27, 0.63, 0.70);
    EXPECT_NEAR(main.red, 0.4266, 1e-4);
    EXPECT_NEAR(main.green, 0.70, 1e-9);
    EXPECT_NEAR(main.blue, 0.259, 1e-4);
    Color light = Color::hsb(0.27, 0.63, 1.0);
    EXPECT_EQ(std::lround(light.red * 255), 0x9B);
    EXPECT_EQ(std::lround(light.green * 255), 0xFF);
    EXPECT_EQ(std::lround(light.blue * 255), 0x5E);
    EXPECT_EQ(Color::hsb(1.0, 1, 1), Color::redColor());  // the hue wraps round
    EXPECT_EQ(Color::hsb(0.3, 0, 0.92), Color::white(0.92));

    for (double h : {0.0, 0.15, 0.27, 0.5, 0.8}) {
        Color::HSB back = Color::hsb(h, 0.3, 0.9, 0.5).toHSB();
        EXPECT_NEAR(back.hue, h, 1e-9);
        EXPECT_NEAR(back.saturation, 0.3, 1e-9);
        EXPECT_NEAR(back.brightness, 0.9, 1e-9);
        EXPECT_EQ(back.alpha, 0.5);
    }
    EXPECT_EQ(Color::rgb(2, -1, NAN, 0.5), (Color{1, 0, 0, 0.5}));
}

}  // namespace
