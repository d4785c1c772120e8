#include "tools/artwork/QuestionFigures.h"

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "tools/artwork/ArtworkPen.h"
#include "tools/artwork/ArtworkRegistry.h"

namespace {

using ui::Color;

constexpr double kPi = std::numbers::pi;
const Color kInk = Color::rgb(0.1, 0.1, 0.1);
const Color kGrey = Color::rgb(0.55, 0.55, 0.55);
const Color kShade = Color::rgb(0.80, 0.87, 1.0);
const ui::Font kLabel("DejaVu Sans", 13);
const ui::Font kItalic("DejaVu Serif", 14, ui::Font::Weight::Regular, ui::Font::Slant::Italic);

// A white page for a figure, with the ink colour and a one-point line set.
void page(gfx::Context& c) {
    c.setFillColor(Color::whiteColor());
    c.fillRect(0, 0, c.width(), c.height());
    c.setStrokeColor(kInk);
    c.setFillColor(kInk);
    c.setLineWidth(1.5);
}

void polygon(gfx::Context& c, const std::vector<std::pair<double, double>>& points, bool fill) {
    c.beginPath();
    c.addLines(points);
    c.closePath();
    if (fill) {
        c.fillPath();
    } else {
        c.strokePath();
    }
}

// A dashed segment: dashes of 5 points with gaps of 4.
void dashed(ArtworkPen& pen, double x0, double y0, double x1, double y1) {
    const double length = std::hypot(x1 - x0, y1 - y0);
    for (double s = 0; s < length; s += 9) {
        const double e = std::min(s + 5, length);
        pen.line(x0 + (x1 - x0) * s / length, y0 + (y1 - y0) * s / length, x0 + (x1 - x0) * e / length,
                 y0 + (y1 - y0) * e / length);
    }
}

void label(ArtworkPen& pen, const std::string& text, double x, double y, const ui::Font& font = kLabel) {
    pen.context().setFillColor(kInk);
    pen.drawLineCentred(font, text, x, y);
}

// Question 11: the three language circles with the number of students in each region.
void venn(gfx::Context& c) {
    page(c);
    ArtworkPen pen(c);
    c.setStrokeColor(kGrey);
    c.strokeRect(6, 6, c.width() - 12, c.height() - 12);
    const double r = 62;
    const std::pair<double, double> f{125, 92}, s{205, 92}, g{165, 160};
    c.setStrokeColor(kInk);
    for (auto [x, y] : {f, s, g}) pen.ring(x, y, r);
    label(pen, "French", 88, 22);
    label(pen, "Spanish", 242, 22);
    label(pen, "German", 165, 240);
    label(pen, "40", 100, 80);
    label(pen, "30", 230, 80);
    label(pen, "20", 165, 190);
    label(pen, "15", 165, 68);
    label(pen, "10", 122, 138);
    label(pen, "5", 208, 138);
    label(pen, "5", 165, 115);
    label(pen, "none: 25", 290, 248);
}

// Question 268: a square of side 10, its inscribed circle and the small circle in one corner.
void cornerCircle(gfx::Context& c) {
    page(c);
    ArtworkPen pen(c);
    const double x0 = 30, y0 = 15, side = 200, unit = side / 10;
    c.strokeRect(x0, y0, side, side);
    pen.ring(x0 + side / 2, y0 + side / 2, side / 2);
    const double r = (15 - 10 * std::sqrt(2.0)) * unit;
    pen.ring(x0 + r, y0 + side - r, r);
    label(pen, "10", x0 + side / 2, y0 + side + 14);
    label(pen, "10", x0 + side + 14, y0 + side / 2);
}

// Question 161: eight points on one line and five on a parallel line.
void parallelPoints(gfx::Context& c) {
    page(c);
    ArtworkPen pen(c);
    const double left = 20, right = c.width() - 20, top = 35, bottom = 105;
    pen.line(left, top, right, top);
    pen.line(left, bottom, right, bottom);
    for (int k = 0; k < 8; ++k) pen.disc(38 + k * 32, top, 4);
    for (int k = 0; k < 5; ++k) pen.disc(75 + k * 45, bottom, 4);
}

// A coordinate plane from -lo to hi on both axes, one unit being `unit` points, with the origin at
// (ox, oy); ticks at every unit.
struct Plane {
    double ox, oy, unit;
    double x(double v) const { return ox + v * unit; }
    double y(double v) const { return oy - v * unit; }
};

void axes(ArtworkPen& pen, const Plane& p, int lo, int hi) {
    gfx::Context& c = pen.context();
    c.setStrokeColor(kGrey);
    c.setLineWidth(1);
    pen.line(p.x(lo - 0.5), p.y(0), p.x(hi + 0.5), p.y(0));
    pen.line(p.x(0), p.y(lo - 0.5), p.x(0), p.y(hi + 0.5));
    for (int k = lo; k <= hi; ++k) {
        if (k == 0) continue;
        pen.line(p.x(k), p.y(0) - 2.5, p.x(k), p.y(0) + 2.5);
        pen.line(p.x(0) - 2.5, p.y(k), p.x(0) + 2.5, p.y(k));
    }
    label(pen, "x", p.x(hi + 0.5) - 2, p.y(0) - 10, kItalic);
    label(pen, "y", p.x(0) + 10, p.y(hi + 0.5) + 4, kItalic);
    c.setStrokeColor(kInk);
    c.setLineWidth(1.5);
}

// Question 22: line k, the point Q and its reflection P in k, joined by the perpendicular through
// both, and the triangle OPQ.
void perpendicularLines(gfx::Context& c) {
    page(c);
    ArtworkPen pen(c);
    const Plane p{150, 140, 18};
    c.setFillColor(kShade);
    polygon(c, {{p.x(-3), p.y(0)}, {p.x(3), p.y(6)}, {p.x(0), p.y(0)}}, true);
    axes(pen, p, -7, 7);
    pen.line(p.x(-4), p.y(7), p.x(7), p.y(-4));         // line k: y = -x + 3
    dashed(pen, p.x(-5), p.y(-2), p.x(3.5), p.y(6.5));  // the perpendicular y = x + 3 through Q and P
    c.setFillColor(kInk);
    for (auto [x, y] : std::vector<std::pair<double, double>>{{-2, 5}, {4, -1}, {3, 6}, {-3, 0}, {0, 3}})
        pen.disc(p.x(x), p.y(y), 3);
    label(pen, "k", p.x(-4) - 10, p.y(7), kItalic);
    label(pen, "(-2, 5)", p.x(-2) - 28, p.y(5));
    label(pen, "(4, -1)", p.x(4) + 28, p.y(-1) - 4);
    label(pen, "Q (3, 6)", p.x(3) + 34, p.y(6));
    label(pen, "P", p.x(-3) - 4, p.y(0) + 14, kItalic);
    label(pen, "O", p.x(0) + 8, p.y(0) + 14, kItalic);
}

// Question 282: the square |x| + |y| <= 4 and the circle x^2 + y^2 = 8 inscribed in it, with the
// region between them shaded.
void diamond(gfx::Context& c) {
    page(c);
    ArtworkPen pen(c);
    const Plane p{120, 120, 20};
    const double radius = 2 * std::sqrt(2.0) * p.unit;
    c.setFillColor(kShade);
    polygon(c, {{p.x(4), p.y(0)}, {p.x(0), p.y(4)}, {p.x(-4), p.y(0)}, {p.x(0), p.y(-4)}}, true);
    c.setFillColor(Color::whiteColor());
    pen.disc(p.x(0), p.y(0), radius);
    axes(pen, p, -5, 5);
    c.setStrokeColor(kInk);
    polygon(c, {{p.x(4), p.y(0)}, {p.x(0), p.y(4)}, {p.x(-4), p.y(0)}, {p.x(0), p.y(-4)}}, false);
    pen.ring(p.x(0), p.y(0), radius);
    label(pen, "4", p.x(4) + 6, p.y(0) + 12);
    label(pen, "-4", p.x(-4) - 8, p.y(0) + 12);
    label(pen, "4", p.x(0) - 10, p.y(4) - 4);
    label(pen, "-4", p.x(0) - 14, p.y(-4) + 4);
}

// Question 191: the isosceles triangle, its altitude from A and the altitude from B to AC, and H
// where they cross.
void isosceles(gfx::Context& c) {
    page(c);
    ArtworkPen pen(c);
    const double unit = 16, bx = 40, by = 170;
    auto at = [&](double x, double y) { return std::pair<double, double>{bx + x * unit, by - y * unit}; };
    const auto b = at(0, 0), cc = at(12, 0), a = at(6, 8);
    polygon(c, {a, b, cc}, false);
    // The foot of the altitude from B on AC.
    const double ux = (cc.first - a.first) / (10 * unit), uy = (cc.second - a.second) / (10 * unit);
    const double t = (b.first - a.first) * ux + (b.second - a.second) * uy;
    const std::pair<double, double> foot{a.first + ux * t, a.second + uy * t};
    dashed(pen, b.first, b.second, foot.first, foot.second);
    dashed(pen, a.first, a.second, at(6, 0).first, at(6, 0).second);
    label(pen, "A", a.first, a.second - 12, kItalic);
    label(pen, "B", b.first - 10, b.second + 6, kItalic);
    label(pen, "C", cc.first + 10, cc.second + 6, kItalic);
    label(pen, "10", at(2.4, 4.4).first, at(2.4, 4.4).second);
    label(pen, "10", at(9.8, 4.6).first + 6, at(9.8, 4.6).second);
    label(pen, "12", at(6, 0).first + 14, at(6, 0).second + 14);
    pen.disc(foot.first, foot.second, 2.5);
    // H, where the two altitudes cross.
    const auto h = at(6, 4.5);
    pen.disc(h.first, h.second, 2.5);
    label(pen, "H", h.first + 11, h.second + 14, kItalic);
    (void)kPi;
}

}  // namespace

void QuestionFigures::addTo(ArtworkRegistry& registry) {
    registry.add("hard_quant_11", 340, 268, venn);
    registry.add("hard_quant_22", 300, 280, perpendicularLines);
    registry.add("hard_quant_161", 300, 140, parallelPoints);
    registry.add("hard_quant_191", 280, 200, isosceles);
    registry.add("hard_quant_268", 260, 240, cornerCircle);
    registry.add("hard_quant_282", 240, 240, diamond);
}
