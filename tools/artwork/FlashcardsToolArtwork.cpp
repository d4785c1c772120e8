#include "tools/artwork/FlashcardsToolArtwork.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"
#include "tools/artwork/FlashcardsArtwork.h"

namespace {

using ui::Color;
using ui::Font;

constexpr double kW = FlashcardsToolArtwork::kKeyWidth;
constexpr double kH = FlashcardsToolArtwork::kKeyHeight;
const Color kInk = Color::white(1, 0.95);

// An arrow head pointing along the angle, its tip at (x, y).
void head(gfx::Context& c, double x, double y, double angle, double size) {
    double back = angle + std::numbers::pi;
    c.beginPath();
    c.addLines({{x, y},
                {x + size * std::cos(back - 0.5), y + size * std::sin(back - 0.5)},
                {x + size * std::cos(back + 0.5), y + size * std::sin(back + 0.5)}});
    c.closePath();
    c.fillPath();
}

// The ordered sequence: three numbered cards in a row, joined by arrows.
void ordered(gfx::Context& c) {
    ArtworkPen pen(c);
    const Font font("DejaVu Sans", 8, Font::Weight::Bold);
    for (int i = 0; i < 3; ++i) {
        double x = 5 + i * 17;
        c.setFillColor(kInk);
        pen.fillRoundedRect({x, 9, 10, 13}, 2);
        c.setFillColor(Color::hsb(0.38, 0.6, 0.35));
        pen.drawInkCentred(font, std::to_string(i + 1), x + 5, 15.5);
        if (i < 2) {
            pen.setLines(kInk, 1.5);
            pen.line(x + 11.5, 15.5, x + 15, 15.5);
            c.setFillColor(kInk);
            head(c, x + 16.5, 15.5, 0, 3.5);
        }
    }
}

// The adaptive sequence: two crossing arrows, the cards coming in a changing order.
void adaptive(gfx::Context& c) {
    ArtworkPen pen(c);
    pen.setLines(kInk, 2);
    c.setLineCap(gfx::LineCap::Round);
    c.beginPath();
    c.moveTo(12, 9);
    c.curveTo(26, 9, 28, 21, 40, 21);
    c.strokePath();
    c.beginPath();
    c.moveTo(12, 21);
    c.curveTo(26, 21, 28, 9, 40, 9);
    c.strokePath();
    c.setFillColor(kInk);
    head(c, 45, 21, 0, 6);
    head(c, 45, 9, 0, 6);
}

// Two heads pointing the rewind's way.
void rewind(gfx::Context& c, bool forward) {
    c.setFillColor(kInk);
    double dir = forward ? 1 : -1;
    double angle = forward ? 0 : std::numbers::pi;
    for (double offset : {-6.0, 6.0}) {
        double tip = kW / 2 + offset + dir * 6;
        head(c, tip, kH / 2, angle, 12);
    }
}

// A burst of light green rays round a tick: it grows and fades over the card.
void effect(gfx::Context& c) {
    const double r = FlashcardsToolArtwork::kEffectSide / 2;
    c.drawRadialGradient({{0, 0.75, 1, 0.55, 0.9}, {0.6, 0.55, 0.95, 0.4, 0.45}, {1, 0.5, 0.9, 0.4, 0}}, r, r,
                         0, r, r, r);
    ArtworkPen pen(c);
    pen.setLines(Color::white(1, 1), 4);
    c.setLineCap(gfx::LineCap::Round);
    c.beginPath();
    c.moveTo(r - 9, r + 1);
    c.lineTo(r - 3, r + 7);
    c.lineTo(r + 10, r - 8);
    c.strokePath();
}

// The sharing service's badge on the search screen: two stacked cards and the service's name on a
// rounded blue plate.
void badge(gfx::Context& c) {
    ArtworkPen pen(c);
    const double w = FlashcardsToolArtwork::kBadgeWidth, h = FlashcardsToolArtwork::kBadgeHeight;
    c.setFillColor(Color::hsb(0.6, 0.7, 0.62));
    pen.fillRoundedRect({0, 0, w, h}, 8);
    c.setFillColor(Color::white(1, 0.55));
    pen.fillRoundedRect({9, 8, 20, 15}, 2.5);
    c.setFillColor(kInk);
    pen.fillRoundedRect({13, 14, 20, 15}, 2.5);
    c.setFillColor(Color::hsb(0.6, 0.7, 0.62));
    pen.drawInkCentred(Font("DejaVu Sans", 9, Font::Weight::Bold), "Q", 23, 21.5);
    c.setFillColor(Color::white(0.85, 1));
    pen.drawLineCentred(Font("DejaVu Sans", 8), "sets from", 76, 12);
    c.setFillColor(kInk);
    pen.drawLineCentred(Font("DejaVu Sans", 15, Font::Weight::Bold), "Quizlet", 76, 27);
}

}  // namespace

void FlashcardsToolArtwork::addTo(ArtworkRegistry& registry) {
    // The user's own decks, and decks brought in from a card-sharing service: a pencil and a cloud
    // with an arrow down, on tiles of their own colours.
    FlashcardsArtwork::addDeckIcon(registry, "fc_icon_flashcards", 0.38,
                                   Font("DejaVu Sans", 17, Font::Weight::Bold), "\u270E");
    FlashcardsArtwork::addDeckIcon(registry, "fc_icon_quizlet", 0.78,
                                   Font("DejaVu Sans", 17, Font::Weight::Bold), "\u21E9");
    registry.add("fc_btn_sequence_ordered", kW, kH, ordered);
    registry.add("fc_btn_sequence_adaptive", kW, kH, adaptive);
    registry.add("fc_btn_rewind_backward", kW, kH, [](gfx::Context& c) { rewind(c, false); });
    registry.add("fc_btn_rewind_forward", kW, kH, [](gfx::Context& c) { rewind(c, true); });
    registry.add("fc_iknow_effect", kEffectSide, kEffectSide, effect);
    registry.add("fc_quizlet_badge", kBadgeWidth, kBadgeHeight, badge);
}
