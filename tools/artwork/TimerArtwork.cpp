#include "tools/artwork/TimerArtwork.h"

#include <cmath>
#include <functional>
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
constexpr double S = TimerArtwork::kGlyphSide;

// The glyphs stand on the light key's white face, and in white on its dark lime face when pressed.
const Color kGlyph = Color::hsb(0.27, 0.63, 0.36);
const Color kPressed = Color::whiteColor();

using Glyph = std::function<void(gfx::Context&, ArtworkPen&)>;

void triangle(gfx::Context& c, double left, double top, double bottom, double tip) {
    c.beginPath();
    c.moveTo(left, top);
    c.lineTo(tip, (top + bottom) / 2);
    c.lineTo(left, bottom);
    c.closePath();
    c.fillPath();
}

// Start: a play triangle.
void start(gfx::Context& c, ArtworkPen&) { triangle(c, 6, 3.5, 20.5, 21); }
// Finish: a square with rounded corners.
void finish(gfx::Context&, ArtworkPen& pen) { pen.fillRoundedRect({5, 5, 14, 14}, 2.5); }
// Pause: two bars.
void pauseBars(gfx::Context&, ArtworkPen& pen) {
    pen.fillRoundedRect({5.5, 4, 5, 16}, 1.5);
    pen.fillRoundedRect({13.5, 4, 5, 16}, 1.5);
}
// Go on: a bar and a play triangle, the section resuming where it stood.
void resume(gfx::Context& c, ArtworkPen& pen) {
    pen.fillRoundedRect({4, 4, 4, 16}, 1.5);
    triangle(c, 10, 4, 20, 21);
}
// Reset: an arrow turning back round to its start.
void reset(gfx::Context& c, ArtworkPen& pen) {
    c.setLineWidth(2.6);
    c.setLineCap(gfx::LineCap::Round);
    c.beginPath();
    c.addArc(12, 12.5, 7.5, -kPi * 0.35, kPi * 1.35, false);
    c.strokePath();
    const double a = -kPi * 0.35;
    const double x = 12 + 7.5 * std::cos(a), y = 12.5 + 7.5 * std::sin(a);
    c.beginPath();
    c.moveTo(x + 4.5, y - 0.5);
    c.lineTo(x - 1.5, y - 4.5);
    c.lineTo(x - 0.5, y + 3.5);
    c.closePath();
    c.fillPath();
    (void)pen;
}
// All results: a list of four lines with bullets.
void results(gfx::Context&, ArtworkPen& pen) {
    for (int i = 0; i < 4; ++i) {
        const double y = 5 + i * 4.7;
        pen.disc(5.5, y, 1.6);
        pen.fillRoundedRect({9, y - 1.2, 11, 2.4}, 1.2);
    }
}
// This section's results: a sheet with a tick.
void currentResults(gfx::Context& c, ArtworkPen& pen) {
    c.setLineWidth(1.8);
    pen.strokeRoundedRect({5, 2.5, 14, 19}, 2);
    c.setLineWidth(2.4);
    c.setLineCap(gfx::LineCap::Round);
    c.setLineJoin(gfx::LineJoin::Round);
    c.beginPath();
    c.moveTo(8.5, 12.5);
    c.lineTo(11, 15.5);
    c.lineTo(16, 8.5);
    c.strokePath();
}

void addGlyph(ArtworkRegistry& registry, const std::string& name, Glyph glyph) {
    for (bool pressed : {false, true}) {
        registry.add(name + (pressed ? "_h" : ""), S, S, [glyph, pressed](gfx::Context& c) {
            ArtworkPen pen(c);
            const Color& colour = pressed ? kPressed : kGlyph;
            c.setFillColor(colour);
            c.setStrokeColor(colour);
            glyph(c, pen);
        });
    }
}

}  // namespace

void TimerArtwork::addTo(ArtworkRegistry& registry) {
    addGlyph(registry, "toolBtn_start", start);
    addGlyph(registry, "toolBtn_finish", finish);
    addGlyph(registry, "toolBtn_pause", pauseBars);
    addGlyph(registry, "toolBtn_continue", resume);
    addGlyph(registry, "toolBtn_reset", reset);
    addGlyph(registry, "toolBtn_results", results);
    addGlyph(registry, "toolBtn_currentresults", currentResults);

    // An answer not graded yet: a grey pill asking for the grade.
    registry.add("Timer_gradeit", kGradeWidth, kGradeHeight, [](gfx::Context& c) {
        ArtworkPen pen(c);
        c.setFillColor(Color::white(0.94));
        pen.fillRoundedRect({1, 2, kGradeWidth - 2, kGradeHeight - 4}, (kGradeHeight - 4) / 2);
        pen.setLines(Color::white(0.62), 1);
        pen.strokeRoundedRect({1.5, 2.5, kGradeWidth - 3, kGradeHeight - 5}, (kGradeHeight - 5) / 2);
        c.setFillColor(Color::white(0.40));
        pen.drawLineCentred(ui::Font("DejaVu Sans", 12, ui::Font::Weight::Bold), "grade it", kGradeWidth / 2,
                            kGradeHeight / 2);
    });

    // The sort mark: a small triangle pointing down at the column.
    registry.add("Timer_sort_indicator", kMarkWidth, kMarkHeight, [](gfx::Context& c) {
        c.setFillColor(Color::hsb(0.58, 0.70, 0.80));
        c.beginPath();
        c.moveTo(1, 1);
        c.lineTo(kMarkWidth - 1, 1);
        c.lineTo(kMarkWidth / 2, kMarkHeight - 0.5);
        c.closePath();
        c.fillPath();
    });
}
