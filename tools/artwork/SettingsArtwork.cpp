#include "tools/artwork/SettingsArtwork.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"
#include "tools/artwork/HomeArtwork.h"

namespace {

using ui::Color;

constexpr double kPi = std::numbers::pi;
constexpr double kSide = SettingsArtwork::kIconSide;
constexpr double kMid = kSide / 2;
const Color kWhite = Color::whiteColor();

// The forum login: a key lying across the tile, its bow at the upper left.
void key(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    c.save();
    c.translate(kMid, kMid);
    c.rotate(kPi / 4);
    pen.ring(-8, 0, 5.5);
    pen.line(-2.5, 0, 12, 0);
    pen.line(12, 0, 12, 5);
    pen.line(7, 0, 7, 4);
    c.restore();
}

// Tips: a light bulb with its screw base and three short rays.
void bulb(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.5);
    double cx = kMid, cy = 15, r = 7.5;
    c.beginPath();
    // Clockwise on the screen from the lower left over the top to the lower right: the round glass.
    c.addArc(cx, cy, r, kPi * 0.75, kPi * 0.25, true);
    c.lineTo(cx + 3.5, cy + 11);
    c.lineTo(cx - 3.5, cy + 11);
    c.closePath();
    c.strokePath();
    pen.line(cx - 3, cy + 14, cx + 3, cy + 14);
    pen.line(cx - 1.5, cy + 17, cx + 1.5, cy + 17);
    c.setLineWidth(2);
    pen.line(cx - 13, cy - 2, cx - 10.5, cy - 1.5);
    pen.line(cx + 13, cy - 2, cx + 10.5, cy - 1.5);
    pen.line(cx, cy - 12.5, cx, cy - 10);
}

// Practice: the practice tool's answer sheet, two thirds of its size on the home screen.
void choices(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.save();
    c.translate(-3.5, -3.3);
    c.scaleBy(2.0 / 3, 2.0 / 3);
    HomeArtwork::drawAnswerSheet(pen);
    c.restore();
}

// The official-guide tracker: an open book with a stopwatch's hand over it.
void book(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.2);
    double top = 11, bottom = 27, spine = kMid;
    c.beginPath();
    c.moveTo(spine, top + 2);
    c.curveTo(spine - 4, top - 1, spine - 9, top - 1, 6, top + 1);
    c.lineTo(6, bottom);
    c.curveTo(spine - 9, bottom - 2, spine - 4, bottom - 2, spine, bottom + 1);
    c.curveTo(spine + 4, bottom - 2, spine + 9, bottom - 2, kSide - 6, bottom);
    c.lineTo(kSide - 6, top + 1);
    c.curveTo(spine + 9, top - 1, spine + 4, top - 1, spine, top + 2);
    c.closePath();
    c.strokePath();
    pen.line(spine, top + 2, spine, bottom + 1);
    c.setLineWidth(1.5);
    for (double y : {16.0, 20.0}) {
        pen.line(9.5, y, spine - 3.5, y);
        pen.line(spine + 3.5, y, kSide - 9.5, y);
    }
}

void add(ArtworkRegistry& registry, const char* name, const Color& color, void (*glyph)(ArtworkPen&)) {
    registry.add(name, kSide, kSide, [color, glyph](gfx::Context& c) {
        ArtworkPen(c).tile(kSide, color, 8);
        ArtworkPen pen(c);
        glyph(pen);
    });
}

}  // namespace

void SettingsArtwork::addTo(ArtworkRegistry& registry) {
    add(registry, "Settings_icon_forum", Color::hsb(0.58, 0.60, 0.75), key);
    add(registry, "Settings_icon_tips", Color::hsb(0.11, 0.75, 0.90), bulb);
    add(registry, "Settings_icon_practice", Color::hsb(0.27, 0.63, 0.70), choices);
    add(registry, "Settings_icon_ogtracker", Color::hsb(0.02, 0.60, 0.78), book);
}
