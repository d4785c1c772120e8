#include "tools/artwork/GameArtwork.h"

#include <cmath>
#include <numbers>
#include <string>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;

constexpr double kPi = std::numbers::pi;
const Color kSlate = Color::rgb(0.16, 0.30, 0.23);
const Color kSlateDark = Color::rgb(0.09, 0.19, 0.14);
const Color kChalk = Color::rgb(0.95, 0.97, 0.92);
const Color kGold = Color::rgb(1.0, 0.78, 0.2);
const Color kGoldEdge = Color::rgb(0.72, 0.48, 0.05);

// A slate board: darker at the edges, with faint chalk squares like a squared exercise book.
void slate(gfx::Context& c, double width, double height) {
    c.drawLinearGradient({{0, kSlate.red, kSlate.green, kSlate.blue, 1},
                          {1, kSlateDark.red, kSlateDark.green, kSlateDark.blue, 1}},
                         0, 0, 0, height);
    c.setStrokeColor(Color::white(1, 0.05));
    c.setLineWidth(1);
    for (double x = 20.5; x < width; x += 20) {
        c.beginPath();
        c.moveTo(x, 0);
        c.lineTo(x, height);
        c.strokePath();
    }
    for (double y = 20.5; y < height; y += 20) {
        c.beginPath();
        c.moveTo(0, y);
        c.lineTo(width, y);
        c.strokePath();
    }
}

// A five-pointed star's outline centred in a square of the side, its top point up.
void addStar(gfx::Context& c, double side) {
    double cx = side / 2, cy = side / 2 + side * 0.04;
    double outer = side * 0.47, inner = outer * 0.45;
    c.beginPath();
    for (int i = 0; i < 10; ++i) {
        double r = i % 2 == 0 ? outer : inner;
        double a = -kPi / 2 + i * kPi / 5;
        if (i == 0)
            c.moveTo(cx + r * std::cos(a), cy + r * std::sin(a));
        else
            c.lineTo(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    c.closePath();
}

// A star filled with gold up to `filled` of its width (0, one half or all), the rest a faint
// chalk, with an edge.
void star(gfx::Context& c, double side, double filled) {
    c.save();
    addStar(c, side);
    c.clip();
    c.setFillColor(Color::white(1, 0.18));
    c.fillRect(0, 0, side, side);
    if (filled > 0) {
        c.setFillColor(kGold);
        c.fillRect(0, 0, side * filled, side);
    }
    c.restore();
    addStar(c, side);
    c.setStrokeColor(filled > 0 ? kGoldEdge : Color::white(1, 0.6));
    c.setLineWidth(std::max(1.0, side / 30));
    c.strokePath();
}

// A level key: a rounded tile of chalk colour (or the locked slate) with a soft edge.
void levelKey(gfx::Context& c, const Color& top, const Color& bottom, const Color& edge) {
    ArtworkPen pen(c);
    const double side = GameArtwork::kLevelKeySide;
    ui::Rect box{1, 1, side - 2, side - 2};
    c.save();
    c.beginPath();
    pen.addRoundedRect(box, 10);
    c.clip();
    c.drawLinearGradient(
        {{0, top.red, top.green, top.blue, 1}, {1, bottom.red, bottom.green, bottom.blue, 1}}, 0, 0, 0, side);
    c.restore();
    c.setStrokeColor(edge);
    c.setLineWidth(2);
    pen.strokeRoundedRect(box, 10);
}

// A padlock in the middle of a locked key.
void padlock(gfx::Context& c) {
    const double mid = GameArtwork::kLevelKeySide / 2;
    ArtworkPen pen(c);
    pen.setLines(Color::white(1, 0.55), 3);
    // The shackle: two short legs out of the body and the arch over them, clockwise on the screen
    // from the left leg over the top to the right one.
    const double legTop = mid - 7, bodyTop = mid - 3, radius = 7;
    c.beginPath();
    c.moveTo(mid - radius, bodyTop);
    c.lineTo(mid - radius, legTop);
    c.addArc(mid, legTop, radius, kPi, 2 * kPi, true);
    c.lineTo(mid + radius, bodyTop);
    c.strokePath();
    c.setFillColor(Color::white(1, 0.55));
    pen.fillRoundedRect({mid - 11, mid - 3, 22, 17}, 3);
    c.setFillColor(Color::rgb(0.2, 0.24, 0.22));
    pen.disc(mid, mid + 4, 2.5);
}

// A heart's outline in a square of the side.
void addHeart(gfx::Context& c, double s) {
    c.beginPath();
    c.moveTo(s / 2, s * 0.9);
    c.curveTo(s * 0.05, s * 0.55, s * 0.0, s * 0.15, s * 0.3, s * 0.12);
    c.curveTo(s * 0.42, s * 0.1, s * 0.5, s * 0.2, s / 2, s * 0.28);
    c.curveTo(s * 0.5, s * 0.2, s * 0.58, s * 0.1, s * 0.7, s * 0.12);
    c.curveTo(s * 1.0, s * 0.15, s * 0.95, s * 0.55, s / 2, s * 0.9);
    c.closePath();
}

void heart(gfx::Context& c) {
    addHeart(c, GameArtwork::kLifeSide);
    c.setFillColor(Color::rgb(0.9, 0.2, 0.25));
    c.fillPath();
    addHeart(c, GameArtwork::kLifeSide);
    c.setStrokeColor(Color::white(1, 0.8));
    c.setLineWidth(1);
    c.strokePath();
}

// The new-best badge: a gold ribbon with its text.
void badge(gfx::Context& c) {
    const double w = GameArtwork::kBadgeWidth, h = GameArtwork::kBadgeHeight;
    ArtworkPen pen(c);
    c.setFillColor(kGoldEdge);
    c.addLines({{4, h * 0.3}, {16, h * 0.3}, {16, h * 0.9}, {10, h * 0.75}, {4, h * 0.9}});
    c.fillPath();
    c.addLines(
        {{w - 4, h * 0.3}, {w - 16, h * 0.3}, {w - 16, h * 0.9}, {w - 10, h * 0.75}, {w - 4, h * 0.9}});
    c.fillPath();
    c.setFillColor(kGold);
    pen.fillRoundedRect({10, 4, w - 20, h * 0.62}, 6);
    c.setStrokeColor(kGoldEdge);
    c.setLineWidth(1.5);
    pen.strokeRoundedRect({10, 4, w - 20, h * 0.62}, 6);
    c.setFillColor(Color::rgb(0.35, 0.18, 0.02));
    pen.drawInkCentred(ui::Font::boldSystem(13), "New best!", w / 2, 4 + h * 0.31);
}

}  // namespace

void GameArtwork::addTo(ArtworkRegistry& registry) {
    registry.add("game_background", 480, 320, [](gfx::Context& c) { slate(c, 480, 320); });
    registry.add("game_background-iPad", 768, 1004, [](gfx::Context& c) { slate(c, 768, 1004); });
    registry.add("game_level_bg", kLevelKeySide, kLevelKeySide, [](gfx::Context& c) {
        levelKey(c, kChalk, Color::rgb(0.8, 0.86, 0.78), Color::rgb(0.55, 0.65, 0.55));
    });
    registry.add("game_level_bg_h", kLevelKeySide, kLevelKeySide,
                 [](gfx::Context& c) { levelKey(c, Color::rgb(1, 0.93, 0.6), kGold, kGoldEdge); });
    registry.add("game_level_bg_locked", kLevelKeySide, kLevelKeySide, [](gfx::Context& c) {
        levelKey(c, Color::rgb(0.3, 0.36, 0.33), Color::rgb(0.2, 0.25, 0.22), Color::white(1, 0.25));
        padlock(c);
    });
    const std::pair<const char*, double> kinds[] = {{"empty", 0}, {"semi", 0.5}, {"full", 1}};
    for (const auto& [kind, filled] : kinds) {
        double f = filled;
        registry.add(std::string("game_star_") + kind, kStarSide, kStarSide,
                     [f](gfx::Context& c) { star(c, kStarSide, f); });
        registry.add(std::string("game_bigstar_") + kind, kBigStarSide, kBigStarSide,
                     [f](gfx::Context& c) { star(c, kBigStarSide, f); });
    }
    registry.add("game_life", kLifeSide, kLifeSide, heart);
    registry.add("game_highscore", kBadgeWidth, kBadgeHeight, badge);
}
