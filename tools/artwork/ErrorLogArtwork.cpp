#include "tools/artwork/ErrorLogArtwork.h"

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
const Color kRight = Color::hsb(0.30, 0.70, 0.68);
const Color kWrong = Color::hsb(0.0, 0.80, 0.88);
const Color kToolbarGlyph = Color::whiteColor();

// ---- Marks of the tracker rows

void check(ArtworkPen& pen, double x, double y, double size) {
    pen.line(x - size * 0.45, y, x - size * 0.1, y + size * 0.35);
    pen.line(x - size * 0.1, y + size * 0.35, x + size * 0.5, y - size * 0.35);
}

void cross(ArtworkPen& pen, double x, double y, double size) {
    pen.line(x - size / 2, y - size / 2, x + size / 2, y + size / 2);
    pen.line(x - size / 2, y + size / 2, x + size / 2, y - size / 2);
}

void verdict(ArtworkRegistry& registry, const char* name, double side, bool right) {
    registry.add(name, side, side, [side, right](gfx::Context& c) {
        ArtworkPen pen(c);
        double mid = side / 2;
        c.setFillColor(right ? kRight : kWrong);
        pen.disc(mid, mid, mid - 0.5);
        pen.setLines(kWhite, side / 8);
        if (right)
            check(pen, mid, mid, side * 0.5);
        else
            cross(pen, mid, mid, side * 0.38);
    });
}

// ---- The stopwatch keys of the current row: a round key with its glyph and word

void stopwatchKey(ArtworkRegistry& registry, const char* name, const Color& color, const char* word,
                  void (*glyph)(ArtworkPen&)) {
    registry.add(name, 52, 52, [color, word, glyph](gfx::Context& c) {
        ArtworkPen pen(c);
        Color top = Color::interpolate(color, kWhite, 0.25);
        c.save();
        c.beginPath();
        c.addEllipse(2, 2, 48, 48);
        c.clip();
        c.drawLinearGradient(
            {{0, top.red, top.green, top.blue, 1}, {1, color.red, color.green, color.blue, 1}}, 0, 0, 0, 52);
        c.restore();
        c.setStrokeColor(Color::interpolate(color, Color::blackColor(), 0.3));
        c.setLineWidth(1);
        pen.ring(26, 26, 24);
        c.setFillColor(kWhite);
        pen.setLines(kWhite, 3);
        glyph(pen);
        c.setFillColor(kWhite);
        pen.drawLineCentred(ui::Font::boldSystem(9), word, 26, 39);
    });
}

void playGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.beginPath();
    c.addLines({{21, 12}, {33, 20}, {21, 28}});
    c.closePath();
    c.fillPath();
}

void finishGlyph(ArtworkPen& pen) { check(pen, 26, 20, 16); }

void pauseGlyph(ArtworkPen& pen) {
    pen.context().fillRect(19, 12, 5, 16);
    pen.context().fillRect(28, 12, 5, 16);
}

// ---- The answer pad's guess key

void guessKey(ArtworkRegistry& registry, const char* name, bool active) {
    registry.add(name, 120, 48, [active](gfx::Context& c) {
        ArtworkPen pen(c);
        ui::Rect box{3, 5, 114, 38};
        Color fill = active ? Color::hsb(0.09, 0.80, 0.95) : Color::white(0.25);
        c.setFillColor(fill);
        pen.fillRoundedRect(box, 10);
        c.setStrokeColor(active ? Color::hsb(0.09, 0.9, 0.7) : Color::white(0.55));
        c.setLineWidth(1.5);
        pen.strokeRoundedRect(box, 10);
        c.setFillColor(active ? kWhite : Color::white(0.7));
        pen.drawLineCentred(ui::Font::boldSystem(17), active ? "guess \u2713" : "guess", 60, 24);
    });
}

// ---- The tracker's toolbar keys: white glyphs on the bar

void toolbarKey(ArtworkRegistry& registry, const char* name, void (*glyph)(ArtworkPen&)) {
    registry.add(name, 24, 24, [glyph](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(kToolbarGlyph);
        pen.setLines(kToolbarGlyph, 2);
        glyph(pen);
    });
}

void trash(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.line(4, 6, 20, 6);
    pen.line(9, 6, 10, 3);
    pen.line(10, 3, 14, 3);
    pen.line(14, 3, 15, 6);
    c.beginPath();
    c.addLines({{6, 8}, {7.5, 21}, {16.5, 21}, {18, 8}});
    c.strokePath();
    c.setLineWidth(1.4);
    pen.line(10, 10, 10.5, 18);
    pen.line(14, 10, 13.5, 18);
}

void calculator(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.setLineWidth(1.8);
    pen.strokeRoundedRect({5, 2, 14, 20}, 2);
    c.fillRect(8, 5, 8, 4);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) c.fillRect(7.5 + col * 3.5, 11.5 + row * 3.3, 2, 2);
}

void pencil(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.save();
    c.translate(12, 12);
    c.rotate(kPi / 4);
    c.setLineWidth(1.8);
    c.beginPath();
    c.addLines({{-3, -10}, {3, -10}, {3, 6}, {0, 10}, {-3, 6}});
    c.closePath();
    c.strokePath();
    pen.line(-3, -6, 3, -6);
    c.restore();
}

void sortArrows(ArtworkPen& pen) {
    pen.line(8, 4, 8, 20);
    pen.line(8, 4, 4, 8);
    pen.line(8, 4, 12, 8);
    pen.line(16, 20, 16, 4);
    pen.line(16, 20, 12, 16);
    pen.line(16, 20, 20, 16);
}

void magnifier(ArtworkPen& pen) {
    pen.ring(10, 10, 6);
    pen.context().setLineWidth(3);
    pen.line(14.5, 14.5, 20, 20);
}

void stopSquare(ArtworkPen& pen) { pen.fillRoundedRect({6, 6, 12, 12}, 2); }

// ---- The diagnostic test's section picture and the sort marker

void diagnostics(ArtworkRegistry& registry) {
    registry.add("Section_Diagnostics", 44, 44, [](gfx::Context& c) {
        ArtworkPen pen(c);
        Color color = Color::hsb(0.75, 0.45, 0.70);
        c.setFillColor(color);
        pen.fillRoundedRect({2, 2, 40, 40}, 8);
        pen.setLines(kWhite, 2);
        // A clipboard with three ticked lines: a test that finds where one stands.
        pen.strokeRoundedRect({11, 8, 22, 29}, 3);
        c.fillRect(17, 6, 10, 4);
        for (int i = 0; i < 3; ++i) {
            double y = 17 + i * 7;
            c.setLineWidth(1.6);
            check(pen, 16, y, 5);
            pen.line(20, y, 29, y);
        }
    });
    registry.add("Section_sort", 14, 9, [](gfx::Context& c) {
        c.setFillColor(Color::hsb(0.58, 0.75, 0.75));
        c.beginPath();
        c.addLines({{1, 1}, {13, 1}, {7, 8}});
        c.closePath();
        c.fillPath();
    });
}

// ---- The books' covers: plain covers of our own with the book's short name

void cover(ArtworkRegistry& registry, const char* name, const char* title, double hue) {
    registry.add(name, 72, 96, [title, hue](gfx::Context& c) {
        ArtworkPen pen(c);
        Color color = Color::hsb(hue, 0.55, 0.62);
        Color light = Color::interpolate(color, kWhite, 0.2);
        c.drawLinearGradient(
            {{0, light.red, light.green, light.blue, 1}, {1, color.red, color.green, color.blue, 1}}, 0, 0,
            72, 96);
        c.setFillColor(Color::interpolate(color, Color::blackColor(), 0.35));
        c.fillRect(0, 0, 6, 96);
        c.setFillColor(kWhite.withAlpha(0.9));
        c.fillRect(12, 30, 54, 36);
        c.setFillColor(Color::interpolate(color, Color::blackColor(), 0.3));
        ui::Font font = ui::Font::boldSystem(16);
        ui::Rect box{14, 32, 50, 32};
        pen.drawName(font, ArtworkPen::fitName(font, title, box, 32), box);
        c.setStrokeColor(kWhite.withAlpha(0.7));
        c.setLineWidth(1);
        pen.line(12, 76, 66, 76);
        pen.line(12, 80, 50, 80);
    });
}

}  // namespace

void ErrorLogArtwork::addTo(ArtworkRegistry& registry) {
    verdict(registry, "Section_right", 20, true);
    verdict(registry, "Section_wrong", 20, false);
    verdict(registry, "Section_history_right", 12, true);
    verdict(registry, "Section_history_wrong", 12, false);
    registry.add("empty", 4, 4, [](gfx::Context&) {});
    // The tracker's header panel is tiled with this: pale grey and white diagonal stripes that
    // meet across the tile's edges.
    registry.add("gray_white_stripes", 8, 8, [](gfx::Context& c) {
        c.setFillColor(Color::white(0.97));
        c.fillRect(0, 0, 8, 8);
        c.setStrokeColor(Color::white(0.88));
        c.setLineWidth(2.5);
        for (double offset : {-8.0, 0.0, 8.0}) {
            c.beginPath();
            c.moveTo(offset, 8);
            c.lineTo(offset + 8, 0);
            c.strokePath();
        }
    });

    stopwatchKey(registry, "Section_buttons_start", Color::hsb(0.30, 0.70, 0.70), "start", playGlyph);
    stopwatchKey(registry, "Section_buttons_finish", Color::hsb(0.58, 0.70, 0.75), "answer", finishGlyph);
    stopwatchKey(registry, "Section_buttons_pause", Color::hsb(0.10, 0.75, 0.90), "pause", pauseGlyph);
    stopwatchKey(registry, "Section_buttons_continue", Color::hsb(0.30, 0.70, 0.70), "go on", playGlyph);

    guessKey(registry, "guess_btn_active", true);
    guessKey(registry, "guess_btn_inactive", false);

    toolbarKey(registry, "tb_clear", trash);
    toolbarKey(registry, "tb_calc", calculator);
    toolbarKey(registry, "tb_scratch", pencil);
    toolbarKey(registry, "tb_sort", sortArrows);
    toolbarKey(registry, "tb_search", magnifier);
    toolbarKey(registry, "tb_stop", stopSquare);

    diagnostics(registry);

    cover(registry, "Books_OG12", "OG12", 0.02);
    cover(registry, "Books_OGQ2", "OG Quant 2", 0.58);
    cover(registry, "Books_OGV2", "OG Verbal 2", 0.33);
    cover(registry, "Books_OG11", "OG11", 0.08);
    cover(registry, "Books_OGQ1", "OG Quant 1", 0.66);
    cover(registry, "Books_OGV1", "OG Verbal 1", 0.45);
}
