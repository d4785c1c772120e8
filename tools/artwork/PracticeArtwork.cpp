#include "tools/artwork/PracticeArtwork.h"

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
const Color kWhite = Color::whiteColor();
const Color kInk = Color::rgb(0.15, 0.19, 0.24);
constexpr double kSetSide = 60;
constexpr double kTypeSide = 40;
constexpr double kKeySide = 24;

// A question set: a tile of its colour holding a sheet with lines of text and a mark of its own.
void addSet(ArtworkRegistry& registry, const std::string& name, Color color, const std::string& mark) {
    registry.add(name, kSetSide, kSetSide, [color, mark](gfx::Context& c) {
        ArtworkPen(c).tile(kSetSide, color, 12);
        ArtworkPen pen(c);
        c.setFillColor(kWhite);
        pen.fillRoundedRect({14, 10, 32, 40}, 3);
        pen.setLines(Color::white(0.7), 2);
        for (double y = 18; y <= 28; y += 5) pen.line(19, y, 41, y);
        c.setFillColor(color);
        pen.drawInkCentred(ui::Font::boldSystem(14), mark, 30, 40);
    });
}

// A question type: its code on a tile of its colour.
void addType(ArtworkRegistry& registry, const std::string& code, Color color) {
    registry.add("Section_" + code, kTypeSide, kTypeSide, [code, color](gfx::Context& c) {
        ArtworkPen(c).tile(kTypeSide, color, 8);
        c.setFillColor(kWhite);
        ArtworkPen(c).drawInkCentred(ui::Font::boldSystem(code.size() > 2 ? 11 : 16), code, kTypeSide / 2,
                                     kTypeSide / 2);
    });
}

// A key of the bars: white strokes on the bar's colour.
void addKey(ArtworkRegistry& registry, const std::string& name, void (*draw)(ArtworkPen&)) {
    registry.add(name, kKeySide, kKeySide, [draw](gfx::Context& c) {
        ArtworkPen pen(c);
        pen.setLines(kWhite, 2);
        draw(pen);
    });
}

void arrow(ArtworkPen& pen, double direction) {
    double tip = 12 + 6 * direction, back = 12 - 5 * direction;
    pen.line(back, 12, tip, 12);
    pen.line(tip, 12, tip - 5 * direction, 7);
    pen.line(tip, 12, tip - 5 * direction, 17);
}

void bookmarkShape(gfx::Context& c) {
    c.beginPath();
    c.moveTo(6, 3);
    c.lineTo(18, 3);
    c.lineTo(18, 21);
    c.lineTo(12, 16);
    c.lineTo(6, 21);
    c.closePath();
}

// One attempt's mark: a bar, full for the newest attempt and shorter for older ones.
void addAttempt(ArtworkRegistry& registry, bool right, int k) {
    std::string name = std::string("Practice_RI_") + (right ? "right_" : "wrong_") + std::to_string(k);
    registry.add(name, 10, 20, [right, k](gfx::Context& c) {
        double h = 20 - 4 * (k - 1);
        c.setFillColor(right ? Color::rgb(0.3, 0.7, 0.25) : Color::rgb(0.85, 0.2, 0.15));
        ArtworkPen(c).fillRoundedRect({1, 20 - h, 8, h}, 2);
    });
}

}  // namespace

void PracticeArtwork::addTo(ArtworkRegistry& registry) {
    addSet(registry, "Sets_hard_quant", Color::rgb(0.2, 0.45, 0.7), "x²");
    addSet(registry, "Sets_ManhattanReview", Color::rgb(0.55, 0.3, 0.6), "Q");
    addSet(registry, "Sets_PrincetonReview", Color::rgb(0.8, 0.45, 0.15), "Q");
    addSet(registry, "Sets_ManhattanORVA", Color::rgb(0.2, 0.55, 0.5), "Q");
    addSet(registry, "Sets_Knewton", Color::rgb(0.35, 0.5, 0.2), "Q");
    addSet(registry, "Sets_Kaplan", Color::rgb(0.6, 0.2, 0.25), "Q");
    addSet(registry, "Sets_myset", Color::rgb(0.3, 0.35, 0.45), "★");
    // The edit key of a custom set stands over the lower half of its picture.
    addSet(registry, "Sets_custom", Color::rgb(0.2, 0.5, 0.3), "");

    addType(registry, "PS", Color::rgb(0.2, 0.45, 0.7));
    addType(registry, "DS", Color::rgb(0.15, 0.55, 0.55));
    addType(registry, "SC", Color::rgb(0.7, 0.4, 0.15));
    addType(registry, "CR", Color::rgb(0.55, 0.3, 0.6));
    addType(registry, "RC", Color::rgb(0.35, 0.5, 0.2));

    registry.add("news_feed_checked", 24, 24, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::rgb(0.3, 0.62, 0.2));
        pen.disc(12, 12, 10);
        pen.setLines(kWhite, 2.5);
        pen.line(7, 12.5, 10.5, 16);
        pen.line(10.5, 16, 17, 8);
    });
    registry.add("Practice_set_edit", 30, 30, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::white(1, 0.9));
        pen.disc(15, 15, 13);
        pen.setLines(kInk, 3);
        pen.line(9, 21, 20, 10);
        pen.setLines(Color::rgb(0.85, 0.55, 0.2), 3);
        pen.line(20, 10, 22, 8);
    });
    // The review list's row picture: the tile behind a session's date, at the row's left end.
    registry.add("Practice_review_time_bg", 80, 80, [](gfx::Context& c) {
        c.translate(8, 8);
        ArtworkPen(c).tile(64, Color::rgb(0.16, 0.27, 0.38), 10);
    });
    registry.add("separation_image", 75, 10, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::white(0.65));
        for (int i = 0; i < 3; ++i) pen.disc(25.5 + 12 * i, 5, i == 1 ? 3 : 2);
    });
    for (bool right : {true, false})
        for (int k = 1; k <= 3; ++k) addAttempt(registry, right, k);

    addKey(registry, "Practice_prev", [](ArtworkPen& pen) { arrow(pen, -1); });
    addKey(registry, "Practice_next", [](ArtworkPen& pen) { arrow(pen, 1); });
    addKey(registry, "Practice_dice", [](ArtworkPen& pen) {
        pen.strokeRoundedRect({4, 4, 16, 16}, 3);
        for (auto [x, y] : {std::pair{8.5, 8.5}, {12.0, 12.0}, {15.5, 15.5}}) pen.disc(x, y, 1.5);
    });
    addKey(registry, "Practice_goto",
           [](ArtworkPen& pen) { pen.drawInkCentred(ui::Font::boldSystem(16), "#", 12, 12); });
    registry.add("Practice_bookmarked", 24, 24, [](gfx::Context& c) {
        c.setFillColor(Color::rgb(0.85, 0.25, 0.2));
        bookmarkShape(c);
        c.fillPath();
    });
    registry.add("Practice_kw", 24, 24, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::rgb(1, 0.85, 0.55));
        pen.fillRoundedRect({2, 5, 20, 14}, 3);
        c.setFillColor(kInk);
        pen.drawInkCentred(ui::Font::boldSystem(11), "ab", 12, 12);
    });

    addKey(registry, "tb_bookmarkpm", [](ArtworkPen& pen) {
        bookmarkShape(pen.context());
        pen.context().strokePath();
    });
    addKey(registry, "tb_showFSText", [](ArtworkPen& pen) {
        for (double y = 6; y <= 18; y += 4) pen.line(4, y, y == 18 ? 12 : 20, y);
    });
    addKey(registry, "tb_switchtb", [](ArtworkPen& pen) {
        pen.line(5, 9, 19, 9);
        pen.line(19, 9, 15, 5);
        pen.line(19, 15, 5, 15);
        pen.line(5, 15, 9, 19);
    });
    addKey(registry, "tb_Aa", [](ArtworkPen& pen) {
        pen.context().setFillColor(kWhite);
        pen.drawInkCentred(ui::Font::boldSystem(15), "Aa", 12, 12);
    });
    addKey(registry, "tb_hl", [](ArtworkPen& pen) {
        pen.line(5, 19, 19, 5);
        pen.strokeRoundedRect({3, 19, 8, 3}, 1);
    });
    addKey(registry, "tb_hlsettings", [](ArtworkPen& pen) {
        pen.ring(12, 12, 5);
        for (int i = 0; i < 8; ++i) {
            double a = i * kPi / 4;
            pen.line(12 + 7 * std::cos(a), 12 + 7 * std::sin(a), 12 + 9.5 * std::cos(a),
                     12 + 9.5 * std::sin(a));
        }
    });
}
