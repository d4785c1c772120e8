#include "tools/artwork/OverlayArtwork.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;
using ui::Rect;

constexpr double kPi = std::numbers::pi;
constexpr double kThemeHue = 0.27;

gfx::GradientStop stop(double offset, const Color& color) {
    return {offset, color.red, color.green, color.blue, color.alpha};
}

// A rounded key or button face: a vertical gradient inside a rounded rectangle with a hairline
// edge, and a lighter line along its top inside edge.
void face(gfx::Context& c, const Rect& box, double radius, const Color& top, const Color& bottom,
          const Color& edge, const Color& shine) {
    ArtworkPen pen(c);
    c.save();
    pen.addRoundedRect(box, radius);
    c.clip();
    c.drawLinearGradient({stop(0, top), stop(1, bottom)}, 0, box.minY(), 0, box.maxY());
    c.restore();
    c.setStrokeColor(shine);
    c.setLineWidth(1);
    c.beginPath();
    c.moveTo(box.minX() + radius, box.minY() + 1.5);
    c.lineTo(box.maxX() - radius, box.minY() + 1.5);
    c.strokePath();
    c.setStrokeColor(edge);
    c.setLineWidth(1);
    pen.strokeRoundedRect({box.minX() + 0.5, box.minY() + 0.5, box.width() - 1, box.height() - 1}, radius);
}

// A key with a soft shadow below it, as on a keyboard tray.
void key(gfx::Context& c, double width, double height, const Color& top, const Color& bottom,
         const Color& edge, const Color& shine) {
    ArtworkPen pen(c);
    c.setFillColor(Color::rgb(0, 0, 0, 0.35));
    pen.fillRoundedRect({1, 2, width - 2, height - 2}, 7);
    face(c, {1, 0.5, width - 2, height - 2.5}, 7, top, bottom, edge, shine);
}

// A gear: teeth round a ring, with a hole in the middle.
void gear(gfx::Context& c, double cx, double cy, double outer, double inner, double hole, int teeth) {
    c.beginPath();
    for (int i = 0; i < teeth * 2; ++i) {
        double a0 = kPi * i / teeth - kPi / (teeth * 2);
        double a1 = a0 + kPi / teeth;
        double r = (i % 2 == 0) ? outer : inner;
        double x0 = cx + r * std::cos(a0), y0 = cy + r * std::sin(a0);
        if (i == 0)
            c.moveTo(x0, y0);
        else
            c.lineTo(x0, y0);
        c.lineTo(cx + r * std::cos(a1), cy + r * std::sin(a1));
    }
    c.closePath();
    c.fillPath();
    c.save();
    c.setFillColor(Color::hsb(kThemeHue, 0.63, 0.70));
    c.beginPath();
    c.addEllipse(cx - hole, cy - hole, 2 * hole, 2 * hole);
    c.fillPath();
    c.restore();
}

}  // namespace

void OverlayArtwork::addTo(ArtworkRegistry& registry) {
    const Color themeDark = Color::hsb(kThemeHue, 0.63, 0.40);
    const Color theme = Color::hsb(kThemeHue, 0.63, 0.70);
    const Color themeLight = Color::hsb(kThemeHue, 0.50, 0.82);

    // The light button style: a white face, and a dark lime one while pressed.
    registry.add("btn_background_white", kButtonSide, kButtonSide, [](gfx::Context& c) {
        face(c, {0, 0, kButtonSide, kButtonSide}, 8, Color::white(1), Color::white(0.90), Color::white(0.62),
             Color::white(1, 0.9));
    });
    registry.add("btn_background_darklime", kButtonSide, kButtonSide, [themeDark, theme](gfx::Context& c) {
        face(c, {0, 0, kButtonSide, kButtonSide}, 8, theme, themeDark, Color::hsb(kThemeHue, 0.63, 0.30),
             Color::rgb(1, 1, 1, 0.25));
    });

    // The keys of the confirmation panel and the font-size popup: a slate key for cancelling, a
    // lime key for going on, and the face of a pressed key.
    registry.add("Kb_button_dark", kKeyWidth, kKeyHeight, [](gfx::Context& c) {
        key(c, kKeyWidth, kKeyHeight, Color::rgb(0.42, 0.45, 0.48), Color::rgb(0.27, 0.29, 0.32),
            Color::rgb(0.16, 0.17, 0.19), Color::rgb(1, 1, 1, 0.22));
    });
    registry.add("Kb_button_light", kKeyWidth, kKeyHeight, [theme, themeLight](gfx::Context& c) {
        key(c, kKeyWidth, kKeyHeight, themeLight, theme, Color::hsb(kThemeHue, 0.63, 0.42),
            Color::rgb(1, 1, 1, 0.35));
    });
    registry.add("Kb_button_h", kKeyWidth, kKeyHeight, [themeDark](gfx::Context& c) {
        key(c, kKeyWidth, kKeyHeight, Color::hsb(kThemeHue, 0.63, 0.30), themeDark,
            Color::hsb(kThemeHue, 0.63, 0.22), Color::rgb(1, 1, 1, 0.12));
    });

    // The option rows' default picture: a white gear on a lime tile.
    registry.add("SettingsCellPict", kCellPictSide, kCellPictSide, [theme](gfx::Context& c) {
        ArtworkPen pen(c);
        c.save();
        pen.addRoundedRect({0, 0, kCellPictSide, kCellPictSide}, 6);
        c.clip();
        c.drawLinearGradient({stop(0, Color::hsb(kThemeHue, 0.55, 0.80)), stop(1, theme)}, 0, 0, 0,
                             kCellPictSide);
        c.restore();
        c.setFillColor(Color::whiteColor());
        gear(c, kCellPictSide / 2, kCellPictSide / 2, 10.5, 7.5, 3.2, 8);
    });

    // The about screen's mark: the program's tick on a lime tile.
    registry.add("Info_logo", kLogoSide, kLogoSide, [themeDark](gfx::Context& c) {
        ArtworkPen pen(c);
        c.save();
        pen.addRoundedRect({2, 2, kLogoSide - 4, kLogoSide - 4}, 16);
        c.clip();
        c.drawLinearGradient({stop(0, Color::hsb(kThemeHue, 0.55, 0.82)), stop(1, themeDark)}, 0, 0, 0,
                             kLogoSide);
        c.restore();
        c.setStrokeColor(Color::whiteColor());
        c.setLineWidth(8);
        c.setLineCap(gfx::LineCap::Round);
        c.setLineJoin(gfx::LineJoin::Round);
        c.beginPath();
        c.moveTo(22, 42);
        c.lineTo(34, 54);
        c.lineTo(58, 26);
        c.strokePath();
    });
}
