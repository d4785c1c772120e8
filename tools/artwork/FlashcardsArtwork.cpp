#include "tools/artwork/FlashcardsArtwork.h"

#include <string>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"
#include "tools/artwork/HomeArtwork.h"

namespace {

using ui::Color;
using ui::Font;
using ui::Rect;

constexpr double kWidth = FlashcardsArtwork::kPhoneCardWidth;
constexpr double kHeight = FlashcardsArtwork::kPhoneCardHeight;
// The card within its picture, leaving room for a soft shadow; drawn in the phone's points and
// scaled for the tablet, whose card has the same proportions.
const Rect kCard{5, 4, kWidth - 10, kHeight - 11};
constexpr double kCardRadius = 14;

gfx::GradientStop stop(double offset, const Color& c) { return {offset, c.red, c.green, c.blue, c.alpha}; }

// ---- Card backgrounds.

struct Look {
    Color paperTop, paperBottom;  // the paper, lighter at the top
    Color accent;                 // edge and ornaments
    void (*ornament)(ArtworkPen&, const Look&);
};

// Faint squared paper under a coloured band along the top, for formulas and worked answers.
void squared(ArtworkPen& pen, const Look& look) {
    gfx::Context& c = pen.context();
    c.setStrokeColor(look.accent.withAlpha(0.07));
    c.setLineWidth(1);
    const double step = 16;
    for (double x = kCard.minX() + step; x < kCard.maxX(); x += step)
        pen.line(x, kCard.minY(), x, kCard.maxY());
    for (double y = kCard.minY() + step; y < kCard.maxY(); y += step)
        pen.line(kCard.minX(), y, kCard.maxX(), y);
    c.setFillColor(look.accent.withAlpha(0.85));
    c.fillRect(kCard.minX(), kCard.minY(), kCard.width(), 7);
}

// A double frame with small diamonds at its corners, round a title in the middle.
void framed(ArtworkPen& pen, const Look& look) {
    gfx::Context& c = pen.context();
    const Rect outer = kCard.insetBy(14, 14);
    const Rect inner = kCard.insetBy(19, 19);
    c.setStrokeColor(look.accent.withAlpha(0.55));
    c.setLineWidth(1.5);
    pen.strokeRoundedRect(outer, 6);
    c.setStrokeColor(look.accent.withAlpha(0.3));
    c.setLineWidth(0.75);
    pen.strokeRoundedRect(inner, 3);
    c.setFillColor(look.accent.withAlpha(0.7));
    for (double x : {outer.minX(), outer.maxX()}) {
        for (double y : {outer.minY(), outer.maxY()}) {
            c.beginPath();
            c.addLines({{x, y - 5}, {x + 5, y}, {x, y + 5}, {x - 5, y}});
            c.closePath();
            c.fillPath();
        }
    }
}

// The answer side of a framed card: one plain frame and a band along the top.
void framedAnswer(ArtworkPen& pen, const Look& look) {
    gfx::Context& c = pen.context();
    c.setStrokeColor(look.accent.withAlpha(0.4));
    c.setLineWidth(1);
    pen.strokeRoundedRect(kCard.insetBy(14, 14), 6);
    c.setFillColor(look.accent.withAlpha(0.8));
    c.fillRect(kCard.minX(), kCard.minY(), kCard.width(), 5);
}

// A large, faint opening quotation mark in the top-left corner, behind the quotation.
void quoted(ArtworkPen& pen, const Look& look) {
    gfx::Context& c = pen.context();
    c.setFillColor(look.accent.withAlpha(0.13));
    pen.drawInkCentred(Font("DejaVu Serif", 120, Font::Weight::Bold), "\u201C", 58, 62);
}

// The card, its shadow, paper and edge, then the look's ornament, all clipped to the card.
void drawCard(gfx::Context& c, const Look& look) {
    ArtworkPen pen(c);
    for (int ring = 4; ring >= 1; --ring) {
        c.setFillColor(Color::white(0, 0.05));
        pen.fillRoundedRect(kCard.offsetBy(0, 2).insetBy(-ring * 0.9, -ring * 0.9), kCardRadius + ring);
    }
    c.save();
    c.beginPath();
    pen.addRoundedRect(kCard, kCardRadius);
    c.clip();
    c.drawLinearGradient({stop(0, look.paperTop), stop(1, look.paperBottom)}, 0, kCard.minY(), 0,
                         kCard.maxY());
    look.ornament(pen, look);
    c.restore();
    c.setStrokeColor(look.accent.withAlpha(0.45));
    c.setLineWidth(1);
    pen.strokeRoundedRect(kCard.insetBy(0.5, 0.5), kCardRadius - 0.5);
}

// One side's picture under its phone and tablet names.
void addSide(ArtworkRegistry& registry, const std::string& phoneName, const std::string& tabletName,
             const Look& look) {
    registry.add(phoneName, kWidth, kHeight, [look](gfx::Context& c) { drawCard(c, look); });
    registry.add(tabletName, FlashcardsArtwork::kTabletCardWidth, FlashcardsArtwork::kTabletCardHeight,
                 [look](gfx::Context& c) {
                     c.scaleBy(FlashcardsArtwork::kTabletCardWidth / kWidth,
                               FlashcardsArtwork::kTabletCardHeight / kHeight);
                     drawCard(c, look);
                 });
}

}  // namespace

void FlashcardsArtwork::addDeckIcon(ArtworkRegistry& registry, const std::string& name, double hue,
                                    const Font& font, const std::string& sign) {
    const double side = kDeckIconSide;
    registry.add(name, side, side, [hue, font, sign](gfx::Context& c) {
        ArtworkPen pen(c);
        HomeArtwork::drawCards(pen, HomeArtwork::drawTile(pen, hue, 0.6), font, sign);
    });
}

void FlashcardsArtwork::addTo(ArtworkRegistry& registry) {
    addDeckIcon(registry, "fc_icon_vessark", 0.58, Font("DejaVu Sans", 17, Font::Weight::Bold), "\u03C0");
    addDeckIcon(registry, "fc_icon_idioms", 0.07, Font("DejaVu Serif", 12, Font::Weight::Bold), "Aa");

    const Color blue = Color::hsb(0.58, 0.75, 0.70);
    const Color green = Color::hsb(0.38, 0.70, 0.55);
    const Color orange = Color::hsb(0.07, 0.80, 0.80);
    const Color brown = Color::hsb(0.08, 0.60, 0.45);
    addSide(registry, "flashcards_bg_vessark_usual", "fc_bg_vessark_usual_iPad",
            {Color::rgb(1, 1, 1), Color::rgb(0.93, 0.96, 0.99), blue, squared});
    addSide(registry, "flashcards_bg_vessark_usual_b", "fc_bg_vessark_usual_b_iPad",
            {Color::rgb(1, 1, 0.97), Color::rgb(0.95, 0.97, 0.91), green, squared});
    addSide(registry, "flashcards_bg_idioms", "fc_bg_idioms_iPad",
            {Color::rgb(1, 0.99, 0.96), Color::rgb(0.98, 0.94, 0.87), orange, framed});
    addSide(registry, "flashcards_bg_idioms_b", "fc_bg_idioms_b_iPad",
            {Color::rgb(1, 1, 0.99), Color::rgb(0.99, 0.96, 0.92), orange, framedAnswer});
    addSide(registry, "flashcards_bg_voices", "fc_bg_voices_iPad",
            {Color::rgb(1, 0.98, 0.94), Color::rgb(0.96, 0.92, 0.84), brown, quoted});
}
