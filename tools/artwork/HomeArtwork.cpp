#include "tools/artwork/HomeArtwork.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;
using ui::Font;
using ui::Rect;

constexpr double kPi = std::numbers::pi;
constexpr double kSide = HomeArtwork::kIconSide;
const Rect kTile{3, 3, kSide - 6, kSide - 6};
constexpr double kTileRadius = 13;
const Color kWhite = Color::whiteColor();

// A tile's colours: lighter at the top, deeper at the bottom. Settings is grey.
Color tileTop(double hue, double saturation) { return Color::hsb(hue, saturation * 0.75, 0.88); }
Color tileBottom(double hue, double saturation) { return Color::hsb(hue, saturation, 0.62); }

gfx::GradientStop stop(double offset, const Color& c) { return {offset, c.red, c.green, c.blue, c.alpha}; }

// ---- The signs, in the icon's coordinates; `ink` is the tile's deep colour for cut-outs.

// Books on a shelf, one leaning on the others.
void library(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    pen.fillRoundedRect({16, 19, 7, 27}, 1.5);
    pen.fillRoundedRect({25, 15, 8, 31}, 1.5);
    c.save();
    c.translate(40, 46);
    c.rotate(kPi / 9);
    pen.fillRoundedRect({-3.5, -26, 7, 26}, 1.5);
    c.restore();
    pen.line(13, 49, 51, 49);
}

// A clipboard with two ticked rows and an open one.
void errorLog(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.6);
    pen.strokeRoundedRect({18, 15, 28, 35}, 4);
    pen.fillRoundedRect({25, 11, 14, 7}, 2.5);
    for (int row = 0; row < 3; ++row) {
        double y = 25 + row * 8.5;
        if (row < 2) {
            c.beginPath();
            c.moveTo(22, y);
            c.lineTo(24.5, y + 2.5);
            c.lineTo(28.5, y - 2.5);
            c.strokePath();
        } else {
            pen.ring(25, y, 2);
        }
        pen.line(32, y, 41, y);
    }
}

// A stopwatch at ten seconds past.
void timer(ArtworkPen& pen, const Color&) {
    pen.setLines(kWhite, 3.2);
    pen.ring(32, 35, 14);
    pen.fillRoundedRect({28, 12, 8, 4.5}, 1.5);
    pen.line(32, 16, 32, 20);
    pen.line(43, 21, 45.5, 18.5);
    pen.line(32, 35, 32, 25.5);
    pen.line(32, 35, 38, 38.5);
    pen.disc(32, 35, 2.4);
}

// Two cards, the front one showing a letter.
void flashcards(ArtworkPen& pen, const Color& ink) {
    HomeArtwork::drawCards(pen, ink, Font("DejaVu Sans", 14, Font::Weight::Bold), "A");
}

void practice(ArtworkPen& pen, const Color&) { HomeArtwork::drawAnswerSheet(pen); }

// Bars rising to the right.
void statistics(ArtworkPen& pen, const Color&) {
    pen.setLines(kWhite, 3);
    pen.fillRoundedRect({17, 33, 7, 14}, 1.5);
    pen.fillRoundedRect({28.5, 25, 7, 22}, 1.5);
    pen.fillRoundedRect({40, 16, 7, 31}, 1.5);
    pen.line(14, 50, 50, 50);
}

// A newspaper page: a picture block and lines of text.
void news(ArtworkPen& pen, const Color&) {
    pen.setLines(kWhite, 2.4);
    pen.strokeRoundedRect({14, 15, 36, 34}, 3);
    pen.fillRoundedRect({19, 20, 12, 10}, 1.5);
    for (double y : {21.5, 28.5}) pen.line(35, y, 45, y);
    for (double y : {36.0, 43.0}) pen.line(19, y, 45, y);
}

// Two speech bubbles.
void forum(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.6);
    pen.fillRoundedRect({12, 15, 26, 18}, 6);
    c.beginPath();
    c.addLines({{18, 31}, {16, 39}, {25, 32}});
    c.closePath();
    c.fillPath();
    pen.strokeRoundedRect({27, 31, 24, 16}, 6);
    c.beginPath();
    c.moveTo(44, 47);
    c.lineTo(47, 52);
    c.lineTo(39, 47.5);
    c.strokePath();
}

// A mortarboard with its tassel.
void courses(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.4);
    c.beginPath();
    c.addLines({{32, 15}, {52, 25}, {32, 35}, {12, 25}});
    c.closePath();
    c.fillPath();
    c.beginPath();
    c.moveTo(20, 30);
    c.lineTo(20, 40);
    c.curveTo(26, 46, 38, 46, 44, 40);
    c.lineTo(44, 30);
    c.lineTo(32, 36);
    c.closePath();
    c.fillPath();
    pen.line(48, 27, 48, 40);
    pen.disc(48, 42, 2.2);
}

// A shopping bag.
void store(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.8);
    pen.fillRoundedRect({16, 25, 32, 24}, 3);
    c.beginPath();
    c.addArc(32, 25, 8, kPi, 2 * kPi, true);
    c.strokePath();
}

// A gear with eight teeth.
void settings(ArtworkPen& pen, const Color& ink) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2);
    c.save();
    c.translate(32, 32);
    for (int i = 0; i < 8; ++i) {
        c.save();
        c.rotate(i * kPi / 4);
        pen.fillRoundedRect({-3.5, -19, 7, 9}, 1.5);
        c.restore();
    }
    pen.disc(0, 0, 13.5);
    c.setFillColor(ink);
    pen.disc(0, 0, 5.5);
    c.restore();
}

// An envelope.
void feedback(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.6);
    pen.strokeRoundedRect({14, 20, 36, 25}, 3);
    c.beginPath();
    c.addLines({{16, 22}, {32, 35}, {48, 22}});
    c.strokePath();
}

// The four operations.
void game(ArtworkPen& pen, const Color&) {
    pen.setLines(kWhite, 3.4);
    const double a = 6;
    pen.line(22 - a, 22, 22 + a, 22);  // plus
    pen.line(22, 22 - a, 22, 22 + a);
    pen.line(42 - a, 22, 42 + a, 22);  // minus
    double d = a * 0.75;
    pen.line(22 - d, 42 - d, 22 + d, 42 + d);  // times
    pen.line(22 - d, 42 + d, 22 + d, 42 - d);
    pen.line(42 - a, 42, 42 + a, 42);  // divided by
    pen.disc(42, 36.5, 2);
    pen.disc(42, 47.5, 2);
}

// A calendar leaf.
void testDate(ArtworkPen& pen, const Color& ink) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.6);
    pen.fillRoundedRect({15, 17, 34, 32}, 4);
    c.setFillColor(ink);
    c.fillRect(15, 24, 34, 2);
    c.setFillColor(kWhite);
    for (double x : {23.0, 41.0}) pen.fillRoundedRect({x - 1.5, 12, 3, 9}, 1.5);
    c.setFillColor(ink);
    pen.drawInkCentred(Font("DejaVu Sans", 14, Font::Weight::Bold), "31", 32, 37.5);
}

struct Tool {
    const char* file;
    double hue;
    double saturation;
    void (*sign)(ArtworkPen&, const Color&);
};

void addIcon(ArtworkRegistry& registry, const Tool& tool) {
    registry.add(tool.file, kSide, kSide, [tool](gfx::Context& c) {
        ArtworkPen pen(c);
        tool.sign(pen, HomeArtwork::drawTile(pen, tool.hue, tool.saturation));
    });
}

// The info key: a ringed "i" in white, on the background.
void info(gfx::Context& c) {
    ArtworkPen pen(c);
    double mid = HomeArtwork::kInfoSide / 2;
    pen.setLines(kWhite, 2);
    pen.ring(mid, mid, mid - 2.5);
    pen.disc(mid, mid - 5.5, 1.8);
    c.setLineWidth(2.8);
    c.setLineCap(gfx::LineCap::Butt);
    pen.line(mid, mid - 1.5, mid, mid + 7);
}

// The background: the scheme's green, deepening downwards, with a soft light at the top.
void background(gfx::Context& c, double width, double height) {
    c.drawLinearGradient({stop(0, Color::hsb(0.27, 0.55, 0.50)), stop(1, Color::hsb(0.31, 0.60, 0.20))}, 0, 0,
                         0, height);
    c.drawRadialGradient({{0, 1, 1, 1, 0.16}, {1, 1, 1, 1, 0}}, width / 2, -height * 0.1, 0, width / 2,
                         -height * 0.1, height * 0.6);
}

}  // namespace

void HomeArtwork::addTo(ArtworkRegistry& registry) {
    const std::vector<Tool> tools{
        {"Home_icon_library", 0.07, 0.75, library},   {"Home_icon_errorlog", 0.61, 0.70, errorLog},
        {"Home_icon_timer", 0.00, 0.70, timer},       {"Home_icon_flashcards", 0.76, 0.55, flashcards},
        {"Home_icon_practice", 0.30, 0.70, practice}, {"Home_icon_statistics", 0.47, 0.75, statistics},
        {"Home_icon_news", 0.93, 0.60, news},         {"Home_icon_forum", 0.54, 0.70, forum},
        {"Home_icon_courses", 0.68, 0.55, courses},   {"Home_icon_store", 0.85, 0.55, store},
        {"Home_icon_settings", 0.58, 0.10, settings}, {"Home_icon_feedback", 0.14, 0.80, feedback},
        {"Home_icon_game", 0.40, 0.70, game},         {"Home_icon_testdate", 0.02, 0.65, testDate},
    };
    for (const Tool& tool : tools) addIcon(registry, tool);
    registry.add("Home_info", kInfoSide, kInfoSide, info);
    registry.add("Home_background", kPhoneWidth, kPhoneHeight,
                 [](gfx::Context& c) { background(c, kPhoneWidth, kPhoneHeight); });
    registry.add("Home_background-iPad", kTabletWidth, kTabletHeight,
                 [](gfx::Context& c) { background(c, kTabletWidth, kTabletHeight); });
}

void HomeArtwork::drawCards(ArtworkPen& pen, const ui::Color& ink, const ui::Font& font,
                            const std::string& text) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.4);
    c.save();
    c.translate(35, 29);
    c.rotate(kPi / 12);
    pen.strokeRoundedRect({-13, -9, 26, 18}, 3);
    c.restore();
    pen.fillRoundedRect({14, 27, 28, 20}, 3);
    c.setFillColor(ink);
    pen.drawInkCentred(font, text, 28, 37);
}

ui::Color HomeArtwork::drawTile(ArtworkPen& pen, double hue, double saturation) {
    gfx::Context& c = pen.context();
    c.save();
    c.beginPath();
    pen.addRoundedRect(kTile, kTileRadius);
    c.clip();
    c.drawLinearGradient({stop(0, tileTop(hue, saturation)), stop(1, tileBottom(hue, saturation))}, 0,
                         kTile.minY(), 0, kTile.maxY());
    c.restore();
    c.setStrokeColor(Color::white(1, 0.35));
    c.setLineWidth(1);
    pen.strokeRoundedRect(kTile.insetBy(0.5, 0.5), kTileRadius - 0.5);
    return tileBottom(hue, saturation);
}

void HomeArtwork::drawAnswerSheet(ArtworkPen& pen) {
    pen.setLines(kWhite, 2.6);
    for (int row = 0; row < 3; ++row) {
        double y = 20 + row * 12;
        if (row == 1)
            pen.disc(21, y, 4.3);
        else
            pen.ring(21, y, 3.6);
        pen.line(30, y, 46, y);
    }
}
