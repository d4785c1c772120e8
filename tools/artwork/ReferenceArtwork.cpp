#include "tools/artwork/ReferenceArtwork.h"

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

constexpr double kPi = std::numbers::pi;
constexpr double W = ReferenceArtwork::kFigureWidth;
constexpr double H = ReferenceArtwork::kFigureHeight;

const Color kInk = Color::rgb(0.15, 0.19, 0.24);
const Color kTheme = Color::hsb(0.27, 0.63, 0.70);
const Color kShade = Color::hsb(0.27, 0.25, 0.95);
const Color kMark = Color::rgb(0.84, 0.36, 0.18);
const Color kGrid = Color::rgb(0.85, 0.87, 0.89);
const Font kLabel("DejaVu Sans", 13);
const Font kSmall("DejaVu Sans", 11);
const Font kItalic("DejaVu Serif", 14, Font::Weight::Regular, Font::Slant::Italic);

void text(ArtworkPen& pen, const Font& font, const std::string& s, double x, double y,
          const Color& color = kInk) {
    pen.context().setFillColor(color);
    pen.drawLineCentred(font, s, x, y);
}

// ---- Course rows and the centre map

// Three pins standing side by side: the provider has test centres.
void centersIcon(gfx::Context& c) {
    ArtworkPen pen(c);
    for (int i = 0; i < 3; ++i) {
        double x = 5 + i * 8, y = 6, head = 3.6;
        c.setFillColor(i == 1 ? kMark : kTheme);
        c.beginPath();
        c.addArc(x, y, head, kPi * 0.85, kPi * 0.15, true);
        c.lineTo(x, 15);
        c.closePath();
        c.fillPath();
        c.setFillColor(Color::whiteColor());
        pen.disc(x, y, 1.3);
    }
}

void callKeyDisc(ArtworkPen& pen, const Color& color) {
    gfx::Context& c = pen.context();
    c.setFillColor(color);
    pen.disc(20, 20, 18);
    c.setStrokeColor(Color::white(1, 0.6));
    c.setLineWidth(1.5);
    pen.ring(20, 20, 16.5);
}

// A telephone handset on a green key.
void phoneKey(gfx::Context& c) {
    ArtworkPen pen(c);
    callKeyDisc(pen, Color::rgb(0.22, 0.62, 0.28));
    pen.setLines(Color::whiteColor(), 5);
    c.beginPath();
    c.moveTo(13, 14);
    c.curveTo(12, 22, 18, 28, 26, 27);
    c.strokePath();
    pen.disc(13.5, 13, 3.6);
    pen.disc(27, 26.5, 3.6);
}

// A speech bubble on a blue key: a call over the internet.
void internetCallKey(gfx::Context& c) {
    ArtworkPen pen(c);
    callKeyDisc(pen, Color::rgb(0.16, 0.52, 0.82));
    c.setFillColor(Color::whiteColor());
    pen.fillRoundedRect({10, 11, 20, 14}, 5);
    c.beginPath();
    c.addLines({{14, 24}, {13, 30}, {20, 24}});
    c.closePath();
    c.fillPath();
    c.setFillColor(Color::rgb(0.16, 0.52, 0.82));
    for (int i = 0; i < 3; ++i) pen.disc(15 + i * 5, 18, 1.4);
}

// ---- Maths-review figures

// 360 = 36 x 10, 36 = 6 x 6, each 6 = 2 x 3, 10 = 2 x 5: the primes circled.
void factorTree(gfx::Context& c) {
    ArtworkPen pen(c);
    struct Node {
        double x, y;
        const char* label;
        int parent;
        bool prime;
    };
    const std::vector<Node> nodes{
        {140, 18, "360", -1, false}, {90, 62, "36", 0, false},  {200, 62, "10", 0, false},
        {55, 106, "6", 1, false},    {125, 106, "6", 1, false}, {178, 106, "2", 2, true},
        {222, 106, "5", 2, true},    {35, 150, "2", 3, true},   {75, 150, "3", 3, true},
        {105, 150, "2", 4, true},    {145, 150, "3", 4, true},
    };
    pen.setLines(Color::rgb(0.6, 0.64, 0.68), 1.5);
    for (const Node& n : nodes)
        if (n.parent >= 0) pen.line(nodes[n.parent].x, nodes[n.parent].y + 9, n.x, n.y - 10);
    for (const Node& n : nodes) {
        if (n.prime) {
            c.setFillColor(kShade);
            pen.disc(n.x, n.y, 12);
            c.setStrokeColor(kTheme);
            c.setLineWidth(1.5);
            pen.ring(n.x, n.y, 12);
        }
        text(pen, kLabel, n.label, n.x, n.y);
    }
    text(pen, kSmall, "360 = 2\u00B3 \u00D7 3\u00B2 \u00D7 5", 219, 150, kTheme);
}

// 80 raised by 25 % to 100, then lowered by 20 % to 80.
void percentBars(gfx::Context& c) {
    ArtworkPen pen(c);
    const double base = 140, scale = 1.1, width = 50;
    const double values[] = {80, 100, 80};
    const char* labels[] = {"80", "100", "80"};
    for (int i = 0; i < 3; ++i) {
        double x = 30 + i * 90, h = values[i] * scale;
        c.setFillColor(i == 1 ? kMark : kTheme);
        c.fillRect(x, base - h, width, h);
        text(pen, kLabel, labels[i], x + width / 2, base - h - 10);
    }
    pen.setLines(kInk, 1);
    pen.line(15, base, W - 15, base);
    // The changes, each under the gap between the bars it leads from and to.
    text(pen, kSmall, "+25 %", 100, 162);
    text(pen, kSmall, "\u221220 %", 190, 162);
    pen.setLines(kInk, 1.5);
    for (double x : {100.0, 190.0}) {
        pen.line(x - 15, 149, x + 15, 149);
        pen.arrowhead(x + 15, 149, 0, 5);
    }
}

// |x - 2| <= 3 on the number line: from -1 to 5, three on either side of 2.
void absoluteNumberLine(gfx::Context& c) {
    ArtworkPen pen(c);
    const double left = 20, step = 24, y = 36;
    auto at = [&](int v) { return left + (v + 3) * step; };
    c.setFillColor(kShade);
    c.fillRect(at(-1), y - 6, at(5) - at(-1), 12);
    pen.setLines(kInk, 1.5);
    pen.line(left - 10, y, at(7) + 10, y);
    pen.arrowhead(at(7) + 10, y, 0, 6);
    for (int v = -3; v <= 7; ++v) {
        pen.line(at(v), y - 4, at(v), y + 4);
        text(pen, kSmall, std::to_string(v), at(v), y + 18);
    }
    c.setFillColor(kTheme);
    pen.disc(at(-1), y, 5);
    pen.disc(at(5), y, 5);
    c.setFillColor(kMark);
    pen.disc(at(2), y, 3.5);
    text(pen, kSmall, "3", (at(-1) + at(2)) / 2, y - 14, kMark);
    text(pen, kSmall, "3", (at(2) + at(5)) / 2, y - 14, kMark);
}

// A right triangle with legs 6 and 8 and hypotenuse 10.
void rightTriangle(gfx::Context& c) {
    ArtworkPen pen(c);
    const double unit = 18, x0 = 62, y0 = 140;
    double x1 = x0 + 8 * unit, y1 = y0 - 6 * unit;
    c.beginPath();
    c.addLines({{x0, y0}, {x1, y0}, {x1, y1}});
    c.closePath();
    c.setFillColor(kShade);
    c.fillPath();
    pen.setLines(kInk, 2);
    c.beginPath();
    c.addLines({{x0, y0}, {x1, y0}, {x1, y1}});
    c.closePath();
    c.strokePath();
    c.setLineWidth(1.2);
    c.beginPath();
    c.addLines({{x1 - 12, y0}, {x1 - 12, y0 - 12}, {x1, y0 - 12}});
    c.strokePath();
    text(pen, kLabel, "8", (x0 + x1) / 2, y0 + 12);
    text(pen, kLabel, "6", x1 + 14, (y0 + y1) / 2);
    text(pen, kLabel, "10", (x0 + x1) / 2 - 14, (y0 + y1) / 2 - 12, kMark);
}

// A circle of radius 5 with a sector of 72 degrees shaded.
void circleSector(gfx::Context& c) {
    ArtworkPen pen(c);
    const double cx = 140, cy = 88, r = 70, start = -kPi / 2, sweep = 2 * kPi / 5;
    c.beginPath();
    c.moveTo(cx, cy);
    c.addArc(cx, cy, r, start, start + sweep, true);
    c.closePath();
    c.setFillColor(kShade);
    c.fillPath();
    pen.setLines(kInk, 2);
    pen.ring(cx, cy, r);
    c.setStrokeColor(kTheme);
    pen.line(cx, cy, cx + r * std::cos(start), cy + r * std::sin(start));
    pen.line(cx, cy, cx + r * std::cos(start + sweep), cy + r * std::sin(start + sweep));
    c.setFillColor(kInk);
    pen.disc(cx, cy, 3);
    text(pen, kItalic, "r = 5", cx - 26, cy - 34);
    text(pen, kSmall, "72\u00B0", cx + 16, cy - 22, kMark);
}

// The line through A(-2, -1) and B(4, 3) on a grid.
void lineThroughPoints(gfx::Context& c) {
    ArtworkPen pen(c);
    const double unit = 22, ox = 95, oy = 112;
    auto px = [&](double x) { return ox + x * unit; };
    auto py = [&](double y) { return oy - y * unit; };
    pen.setLines(kGrid, 1);
    for (int x = -3; x <= 7; ++x) pen.line(px(x), py(-2.4), px(x), py(4.6));
    for (int y = -2; y <= 4; ++y) pen.line(px(-3.6), py(y), px(7.6), py(y));
    pen.setLines(kInk, 1.5);
    pen.line(px(-3.8), py(0), px(7.8), py(0));
    pen.arrowhead(px(7.8), py(0), 0, 6);
    pen.line(px(0), py(-2.6), px(0), py(4.8));
    pen.arrowhead(px(0), py(4.8), -kPi / 2, 6);
    c.setStrokeColor(kTheme);
    c.setLineWidth(2.5);
    pen.line(px(-3.5), py(-2), px(6.5), py(14.0 / 3));
    c.setFillColor(kMark);
    pen.disc(px(-2), py(-1), 4.5);
    pen.disc(px(4), py(3), 4.5);
    // Below the point, between the line and the vertical axis.
    text(pen, kSmall, "A(\u22122, \u22121)", px(-2) + 11, py(-1) + 22, kMark);
    text(pen, kSmall, "B(4, 3)", px(4) + 30, py(3) + 4, kMark);
}

// Two sets of eight values with mean 5: one spread out (standard deviation 2), one close (0.5).
void spread(gfx::Context& c) {
    ArtworkPen pen(c);
    const double left = 40, unit = 22;
    auto row = [&](const std::vector<int>& values, double y) {
        pen.setLines(kInk, 1.2);
        pen.line(left, y, left + 10 * unit, y);
        for (int v = 0; v <= 10; v += 1) pen.line(left + v * unit, y - 3, left + v * unit, y + 3);
        int counts[11] = {};
        c.setFillColor(kTheme);
        for (int v : values) pen.disc(left + v * unit, y - 8 - 8 * counts[v]++, 3.5);
        c.setStrokeColor(kMark);
        c.setLineWidth(1.5);
        pen.line(left + 5 * unit, y + 4, left + 5 * unit, y - 55);
        for (int v = 0; v <= 10; v += 2) text(pen, kSmall, std::to_string(v), left + v * unit, y + 14);
    };
    row({2, 4, 4, 4, 5, 5, 7, 9}, 62);
    row({4, 5, 5, 5, 5, 5, 5, 6}, 150);
    text(pen, kSmall, "SD 2", 22, 50);
    text(pen, kSmall, "SD 0.5", 20, 138);
}

// The 36 outcomes of two dice, the six that add up to 7 marked.
void diceGrid(gfx::Context& c) {
    ArtworkPen pen(c);
    const double cell = 22, x0 = 80, y0 = 22;
    for (int a = 1; a <= 6; ++a) {
        text(pen, kSmall, std::to_string(a), x0 + (a - 0.5) * cell, y0 - 10);
        text(pen, kSmall, std::to_string(a), x0 - 12, y0 + (a - 0.5) * cell);
        for (int b = 1; b <= 6; ++b) {
            double x = x0 + (a - 1) * cell, y = y0 + (b - 1) * cell;
            c.setFillColor(a + b == 7 ? kMark : kShade);
            pen.fillRoundedRect({x + 1.5, y + 1.5, cell - 3, cell - 3}, 4);
            text(pen, kSmall, std::to_string(a + b), x + cell / 2, y + cell / 2,
                 a + b == 7 ? Color::whiteColor() : kInk);
        }
    }
    text(pen, kSmall, "6 of 36", x0 + 6 * cell + 40, y0 + 3 * cell);
}

}  // namespace

void ReferenceArtwork::addTo(ArtworkRegistry& registry) {
    registry.add("Courses_Centers_N", kCentersIconWidth, kCentersIconHeight, centersIcon);
    registry.add("Center_phone", kCallKeySide, kCallKeySide, phoneKey);
    registry.add("Center_skype", kCallKeySide, kCallKeySide, internetCallKey);

    registry.add("math_fig_factor_tree", W, H, factorTree);
    registry.add("math_fig_percent", W, H, percentBars);
    registry.add("math_fig_absolute", W, kNumberLineHeight, absoluteNumberLine);
    registry.add("math_fig_triangle", W, H, rightTriangle);
    registry.add("math_fig_circle", W, H, circleSector);
    registry.add("math_fig_line", W, H, lineThroughPoints);
    registry.add("math_fig_spread", W, H, spread);
    registry.add("math_fig_dice", W, H, diceGrid);
}
