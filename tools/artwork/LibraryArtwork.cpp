#include "tools/artwork/LibraryArtwork.h"

#include <cmath>
#include <numbers>
#include <string>
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
const Color kWhite = Color::whiteColor();
const Color kInk = Color::rgb(0.15, 0.19, 0.24);
// The theme's green (hue 0.27) for the test's links, a wine red for the business-school links.
Color green(double brightness = 0.62) { return Color::hsb(0.27, 0.63, brightness); }
Color wine(double brightness = 0.55) { return Color::hsb(0.93, 0.55, brightness); }

const Font kBold = Font("DejaVu Sans", 10, Font::Weight::Bold);
const Font kSerifBold = Font("DejaVu Serif", 10, Font::Weight::Bold);

// The interactive book's cover: a tick in a circle under its title, for its answered questions.
void interactiveCover(ArtworkPen& pen) {
    LibraryArtwork::cover(pen, Color::hsb(0.55, 0.55, 0.60), "Try-it", "");
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    pen.ring(34, 72, 12);
    c.beginPath();
    c.moveTo(28, 72);
    c.lineTo(33, 77);
    c.lineTo(41, 66);
    c.strokePath();
}

// The maths review: a compass-drawn circle with its radius and a right angle.
void mathCover(ArtworkPen& pen) {
    LibraryArtwork::cover(pen, Color::hsb(0.08, 0.65, 0.75), "Math", "");
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.5);
    pen.ring(24, 72, 11);
    pen.line(24, 72, 35, 72);
    pen.disc(24, 72, 2);
    c.beginPath();
    c.moveTo(46, 62);
    c.lineTo(46, 84);
    c.lineTo(62, 84);
    c.closePath();
    c.strokePath();
}

// ---- The contents' marker: a page with its corner turned and an arrow pointing into it.

void pointer(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.tile(LibraryArtwork::kMarkerSide, green(), 10);
    c.setFillColor(kWhite);
    c.beginPath();
    c.addLines({{19, 12}, {36, 12}, {43, 19}, {43, 45}, {19, 45}});
    c.closePath();
    c.fillPath();
    c.setFillColor(green(0.45));
    c.beginPath();
    c.addLines({{36, 12}, {36, 19}, {43, 19}});
    c.closePath();
    c.fillPath();
    pen.setLines(green(0.45), 2);
    for (double y : {24.0, 30.0, 36.0}) pen.line(24, y, 38, y);
}

// ---- Section headers

void headerBackground(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.drawLinearGradient({{0, 0.43, 0.62, 0.25, 1}, {1, 0.24, 0.40, 0.12, 1}}, 0, 0, 0,
                         LibraryArtwork::kHeaderHeight);
    c.setFillColor(Color::white(1, 0.35));
    c.fillRect(0, 0, LibraryArtwork::kHeaderWidth, 1);
}

// A white triangle: pointing down for an expanded section, right for a collapsed one.
void indicator(ArtworkPen& pen, bool open) {
    gfx::Context& c = pen.context();
    c.setFillColor(kWhite);
    c.beginPath();
    if (open)
        c.addLines({{3, 5}, {15, 5}, {9, 14}});
    else
        c.addLines({{5, 3}, {14, 9}, {5, 15}});
    c.closePath();
    c.fillPath();
}

// ---- Link icons: a rounded tile of the list's colour with a white glyph.

using Glyph = void (*)(ArtworkPen&);

void playGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    pen.ring(28.5, 28.5, 16);
    c.beginPath();
    c.addLines({{23, 19}, {38, 28.5}, {23, 38}});
    c.closePath();
    c.fillPath();
}

void infoGlyph(ArtworkPen& pen) {
    pen.setLines(kWhite, 3);
    pen.ring(28.5, 28.5, 17);
    pen.disc(28.5, 19, 2.6);
    pen.line(28.5, 25, 28.5, 39);
}

void booksGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.setFillColor(kWhite);
    c.fillRect(14, 16, 8, 26);
    c.fillRect(24, 12, 8, 30);
    c.save();
    c.translate(37, 17);
    c.rotate(-0.25);
    c.fillRect(0, 0, 7, 26);
    c.restore();
    c.fillRect(11, 42, 35, 3);
}

void tipsGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    c.beginPath();
    c.addArc(28.5, 24, 10, kPi * 0.75, kPi * 0.25, false);
    c.lineTo(33, 38);
    c.lineTo(24, 38);
    c.closePath();
    c.strokePath();
    pen.line(24, 43, 33, 43);
}

void featherGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.5);
    c.beginPath();
    c.moveTo(16, 44);
    c.curveTo(22, 28, 30, 16, 42, 12);
    c.curveTo(42, 26, 34, 36, 22, 38);
    c.strokePath();
    pen.line(16, 44, 34, 22);
}

void clockGlyph(ArtworkPen& pen) {
    pen.setLines(kWhite, 3);
    pen.ring(28.5, 28.5, 16);
    pen.line(28.5, 28.5, 28.5, 18);
    pen.line(28.5, 28.5, 36, 32);
}

// A map pin over a base line: the US directory.
void pinGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    c.beginPath();
    c.addArc(28.5, 23, 9, kPi, 0, false);
    c.lineTo(28.5, 40);
    c.closePath();
    c.strokePath();
    pen.disc(28.5, 23, 3);
    pen.line(16, 44, 41, 44);
}

// A globe with its meridian and equator: schools abroad.
void globeGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.5);
    pen.ring(28.5, 28.5, 15);
    c.beginPath();
    c.addEllipse(22, 13.5, 13, 30);
    c.strokePath();
    pen.line(13.5, 28.5, 43.5, 28.5);
}

// An envelope: admission letters.
void letterGlyph(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 2.5);
    c.beginPath();
    c.addRect(13, 18, 31, 22);
    c.strokePath();
    c.beginPath();
    c.addLines({{13, 18}, {28.5, 31}, {44, 18}});
    c.strokePath();
}

// The application rows: a letter or sign on the tile.
void lettersGlyph(ArtworkPen& pen, const std::string& text) {
    pen.context().setFillColor(kWhite);
    pen.drawInkCentred(Font("DejaVu Sans", 20, Font::Weight::Bold), text, 28.5, 28.5);
}

void icon(ArtworkPen& pen, const Color& color, Glyph glyph) {
    pen.tile(LibraryArtwork::kIconSide, color, 11);
    glyph(pen);
}

// ---- The study guide's figures

// The test's parts as blocks whose widths follow their minutes.
void testSections(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.setFillColor(kWhite);
    c.fillRect(0, 0, 480, 200);
    struct Part {
        const char* name;
        const char* detail;
        double minutes;
        Color color;
    };
    const std::vector<Part> parts = {{"AWA", "2 essays", 60, Color::hsb(0.08, 0.6, 0.85)},
                                     {"Quantitative", "37 questions", 75, green(0.65)},
                                     {"Verbal", "41 questions", 75, Color::hsb(0.58, 0.55, 0.70)}};
    double total = 0;
    for (const Part& p : parts) total += p.minutes;
    double x = 20, width = 440, gap = 6;
    for (const Part& p : parts) {
        double w = (width - gap * double(parts.size() - 1)) * p.minutes / total;
        c.setFillColor(p.color);
        pen.fillRoundedRect({x, 50, w, 90}, 8);
        c.setFillColor(kWhite);
        pen.drawLineCentred(Font("DejaVu Sans", 15, Font::Weight::Bold), p.name, x + w / 2, 78);
        pen.drawLineCentred(Font("DejaVu Sans", 12), p.detail, x + w / 2, 100);
        pen.drawLineCentred(Font("DejaVu Sans", 12), std::to_string(int(p.minutes)) + " min", x + w / 2, 120);
        x += w + gap;
    }
    c.setFillColor(kInk);
    pen.drawLineCentred(Font("DejaVu Sans", 14, Font::Weight::Bold), "The three parts of the test", 240, 25);
    pen.drawLineCentred(Font("DejaVu Sans", 12), "210 minutes of testing, with optional breaks between parts",
                        240, 170);
}

// The application year as a line of months with its milestones.
void timeline(ArtworkPen& pen) {
    gfx::Context& c = pen.context();
    c.setFillColor(kWhite);
    c.fillRect(0, 0, 480, 180);
    const char* months[] = {"Jan", "Mar", "May", "Jul", "Sep", "Nov"};
    pen.setLines(kInk, 2);
    pen.line(30, 90, 450, 90);
    for (int i = 0; i < 6; ++i) {
        double x = 30 + i * 84;
        pen.line(x, 85, x, 95);
        c.setFillColor(kInk);
        pen.drawLineCentred(Font("DejaVu Sans", 11), months[i], x, 110);
    }
    struct Mark {
        double x;
        const char* text;
        Color color;
    };
    const Mark marks[] = {{72, "Start studying", green(0.65)},
                          {198, "Take the test", Color::hsb(0.08, 0.6, 0.85)},
                          {324, "Write essays", Color::hsb(0.58, 0.55, 0.70)},
                          {408, "First deadlines", wine(0.6)}};
    for (int i = 0; i < 4; ++i) {
        const Mark& m = marks[i];
        double y = i % 2 == 0 ? 50 : 140;
        c.setFillColor(m.color);
        pen.disc(m.x, 90, 6);
        pen.setLines(m.color, 2);
        pen.line(m.x, 90, m.x, y < 90 ? y + 8 : y - 16);
        c.setFillColor(m.color);
        pen.drawLineCentred(Font("DejaVu Sans", 12, Font::Weight::Bold), m.text, m.x, y);
    }
}

// The covers of the study guide and the maths review, and the open and closed indicators.
void guideCover(ArtworkPen& pen) { LibraryArtwork::cover(pen, green(), "ORVA Uncovered", "Study Guide"); }
void openIndicator(ArtworkPen& pen) { indicator(pen, true); }
void closedIndicator(ArtworkPen& pen) { indicator(pen, false); }

}  // namespace

void LibraryArtwork::cover(ArtworkPen& pen, const ui::Color& color, const std::string& title,
                           const std::string& subtitle) {
    gfx::Context& c = pen.context();
    const double w = LibraryArtwork::kCoverWidth, h = LibraryArtwork::kCoverHeight;
    c.setFillColor(Color::white(0, 0.25));
    pen.fillRoundedRect({4, 4, w - 4, h - 4}, 4);
    c.setFillColor(color);
    pen.fillRoundedRect({0, 0, w - 4, h - 4}, 4);
    c.setFillColor(Color::white(0, 0.25));
    c.fillRect(0, 4, 8, h - 12);
    c.setFillColor(Color::white(1, 0.9));
    c.fillRect(12, 18, w - 20, 34);
    c.setFillColor(kInk);
    auto layout = ArtworkPen::fitName(kSerifBold, title, {14, 20, w - 24, 30}, 26);
    pen.drawName(kSerifBold, layout, {14, 20, w - 24, 30});
    c.setFillColor(kWhite);
    auto sub = ArtworkPen::fitName(kBold, subtitle, {10, 58, w - 18, 28}, 18);
    pen.drawName(kBold, sub, {10, 58, w - 18, 28});
}

void LibraryArtwork::addTo(ArtworkRegistry& registry) {
    struct Picture {
        const char* name;
        double width, height;
        Glyph draw;
    };
    const Picture pictures[] = {
        {"Product_MORVA_GU", kCoverWidth, kCoverHeight, guideCover},
        {"Product_IB_example", kCoverWidth, kCoverHeight, interactiveCover},
        {"Library_icon_math", kCoverWidth, kCoverHeight, mathCover},
        {"Start_pointer", kMarkerSide, kMarkerSide, pointer},
        {"Common_sectionHeader_bg", kHeaderWidth, kHeaderHeight, headerBackground},
        {"Common_sectionHeader_open", kIndicatorSide, kIndicatorSide, openIndicator},
        {"Common_sectionHeader_close", kIndicatorSide, kIndicatorSide, closedIndicator},
        {"Guide_test_sections", 480, 200, testSections},
        {"Guide_application_timeline", 480, 180, timeline},
    };
    for (const Picture& p : pictures)
        registry.add(p.name, p.width, p.height, [draw = p.draw](gfx::Context& c) {
            ArtworkPen pen(c);
            draw(pen);
        });

    struct Icon {
        const char* name;
        Color color;
        Glyph glyph;
    };
    const Icon icons[] = {
        {"Resources_icon_youtube", Color::hsb(0.0, 0.0, 0.35), playGlyph},
        {"Resources_icon_green", green(), infoGlyph},
        {"Resources_icon_books_g", green(), booksGlyph},
        {"Resources_icon_tips_g", green(), tipsGlyph},
        {"Resources_icon_feather_g", green(), featherGlyph},
        {"Resources_icon_time_g", green(), clockGlyph},
        {"Resources_icon_usa_v", wine(), pinGlyph},
        {"Resources_icon_inter_v", wine(), globeGlyph},
        {"Resources_icon_vinous", wine(0.42), letterGlyph},
        {"Resources_icon_tips_v", wine(), tipsGlyph},
        {"Resources_icon_books_v", wine(), booksGlyph},
    };
    for (const Icon& i : icons)
        registry.add(i.name, kIconSide, kIconSide, [i](gfx::Context& c) {
            ArtworkPen pen(c);
            icon(pen, i.color, i.glyph);
        });

    struct App {
        const char* name;
        Color color;
        const char* text;
    };
    const App apps[] = {{"Resources_icon_app_verbal", Color::hsb(0.58, 0.6, 0.65), "Vb"},
                        {"Resources_icon_app_math", Color::hsb(0.08, 0.65, 0.80), "+\u00d7"},
                        {"Resources_icon_app_words", Color::hsb(0.75, 0.45, 0.60), "Aa"},
                        {"Resources_icon_app_formulas", Color::hsb(0.45, 0.6, 0.55), "\u03c0r\u00b2"}};
    for (const App& a : apps)
        registry.add(a.name, kIconSide, kIconSide, [a](gfx::Context& c) {
            ArtworkPen pen(c);
            pen.tile(kIconSide, a.color, 11);
            lettersGlyph(pen, a.text);
        });
}
