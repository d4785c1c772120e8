#include "tools/artwork/StudyAidsArtwork.h"

#include <algorithm>
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

// The program's theme colour (hue 0.27): the accent of the provider tiles, and the first of the
// topic colours. These take eight hues evenly round the colour wheel at one saturation and
// brightness, three eighths apart from one topic to the next so that neighbouring rows differ.
Color themeColor() { return Color::hsb(0.27, 0.63, 0.70); }
Color topicColor(int index) { return Color::hsb(std::fmod(0.27 + index * 3 / 8.0, 1.0), 0.55, 0.70); }

const Color kWhite = Color::whiteColor();
const Color kInk = Color::rgb(0.15, 0.19, 0.24);

// ---- Topic icons: a rounded tile of the topic's colour with a white glyph.

// The tile's side and where it sits in the icon; glyphs are drawn in the tile's own coordinates.
constexpr double kTile = 62;
constexpr double kTileX = (StudyAidsArtwork::kTopicWidth - kTile) / 2;
constexpr double kTileY = (StudyAidsArtwork::kTopicHeight - kTile) / 2;
constexpr double kMid = kTile / 2;
constexpr double kStroke = 3.5;

// A double-struck N, the sign of the natural numbers: its stem and diagonal drawn in outline.
void numberTheory(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    double left = 16, right = 46, top = 15, bottom = 47, stem = 7;
    // The diagonal's lower edge runs parallel to its upper one, `stem` to the left of it.
    double slope = (bottom - top) / (right - left - stem);
    double joint = bottom - slope * (right - left - 2 * stem);
    c.beginPath();
    c.addLines({{left, bottom},
                {left, top},
                {left + stem, top},
                {right, bottom},
                {right - stem, bottom},
                {left + stem, joint},
                {left + stem, bottom}});
    c.closePath();
    c.strokePath();
    pen.line(right, top, right, bottom);
}

void percents(ArtworkPen& pen, const Color&) {
    pen.context().setFillColor(kWhite);
    pen.drawInkCentred(Font("DejaVu Sans", 38, Font::Weight::Bold), "%", kMid, kMid);
}

void absoluteValue(ArtworkPen& pen, const Color&) {
    pen.setLines(kWhite, kStroke);
    pen.line(15, 15, 15, 47);
    pen.line(47, 15, 47, 47);
    pen.drawInkCentred(Font("DejaVu Serif", 32, Font::Weight::Regular, Font::Slant::Italic), "x", kMid, kMid);
}

void triangles(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, kStroke);
    c.beginPath();
    c.addLines({{13, 47}, {49, 47}, {49, 15}});
    c.closePath();
    c.strokePath();
    // The mark of the right angle.
    c.setLineWidth(2);
    c.beginPath();
    c.addLines({{42, 47}, {42, 40}, {49, 40}});
    c.strokePath();
}

void circles(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, kStroke);
    double radius = 19;
    c.beginPath();
    c.addEllipse(kMid - radius, kMid - radius, 2 * radius, 2 * radius);
    c.strokePath();
    double angle = -kPi / 5;
    c.setLineWidth(2.5);
    pen.line(kMid, kMid, kMid + radius * std::cos(angle), kMid + radius * std::sin(angle));
    pen.disc(kMid, kMid, 3);
    pen.drawInkCentred(Font("DejaVu Serif", 15, Font::Weight::Regular, Font::Slant::Italic), "r", kMid + 10,
                       kMid + 4);
}

void coordinateGeometry(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    pen.setLines(kWhite, 3);
    double originX = 19, originY = 43;
    pen.line(10, originY, 51, originY);
    pen.arrowhead(51, originY, 0, 6);
    pen.line(originX, 52, originX, 11);
    pen.arrowhead(originX, 11, -kPi / 2, 6);
    // A line through the plane and one point on it.
    double x0 = 12, y0 = 38, x1 = 50, y1 = 14, at = 0.62;
    c.setLineWidth(2.5);
    pen.line(x0, y0, x1, y1);
    pen.disc(x0 + (x1 - x0) * at, y0 + (y1 - y0) * at, 4);
}

void standardDeviation(ArtworkPen& pen, const Color&) {
    gfx::Context& c = pen.context();
    double base = 47, peak = 31, mean = kMid, sigma = 8.5, left = 8, right = 54;
    auto curve = [&](double x) {
        return base - peak * std::exp(-(x - mean) * (x - mean) / (2 * sigma * sigma));
    };
    // The band within one standard deviation of the mean, shaded under the curve.
    c.beginPath();
    c.moveTo(mean - sigma, base);
    for (double x = mean - sigma; x <= mean + sigma + 1e-9; x += 0.5) c.lineTo(x, curve(x));
    c.lineTo(mean + sigma, base);
    c.closePath();
    c.setFillColor(kWhite.withAlpha(0.35));
    c.fillPath();
    pen.setLines(kWhite, 2);
    pen.line(mean - sigma, base, mean - sigma, curve(mean - sigma));
    pen.line(mean + sigma, base, mean + sigma, curve(mean + sigma));
    c.setLineWidth(kStroke);
    c.beginPath();
    c.moveTo(left, curve(left));
    for (double x = left + 0.5; x <= right + 1e-9; x += 0.5) c.lineTo(x, curve(x));
    c.strokePath();
    c.setLineWidth(2.5);
    pen.line(left, base, right, base);
}

void probability(ArtworkPen& pen, const Color& tile) {
    gfx::Context& c = pen.context();
    double side = 34;
    c.save();
    c.translate(kMid, kMid);
    c.rotate(-kPi / 14);
    c.setFillColor(kWhite);
    pen.fillRoundedRect({-side / 2, -side / 2, side, side}, 7);
    // Five pips.
    c.setFillColor(tile);
    double off = side * 0.26;
    for (auto [x, y] :
         std::vector<std::pair<double, double>>{{-off, -off}, {off, -off}, {0, 0}, {-off, off}, {off, off}})
        pen.disc(x, y, 3.4);
    c.restore();
}

struct Topic {
    const char* name;
    void (*glyph)(ArtworkPen&, const Color&);
};

void addTopic(ArtworkRegistry& registry, const Topic& topic, int index) {
    Color color = topicColor(index);
    registry.add(topic.name, StudyAidsArtwork::kTopicWidth, StudyAidsArtwork::kTopicHeight,
                 [color, glyph = topic.glyph](gfx::Context& c) {
                     ArtworkPen pen(c);
                     c.translate(kTileX, kTileY);
                     c.setFillColor(color);
                     pen.fillRoundedRect({0, 0, kTile, kTile}, 13);
                     glyph(pen, color);
                 });
}

// ---- Provider tiles: the provider's name set in ink on a light card with the theme's accent. All
// names share one type size, the largest at which the longest of them fits.

struct Provider {
    const char* file;
    const char* name;
};

const Rect kCard{3, 3, StudyAidsArtwork::kProviderWidth - 6, StudyAidsArtwork::kProviderHeight - 6};
constexpr double kCardRadius = 9;
constexpr double kAccentWidth = 7;
const Rect kNameBox{kCard.minX() + kAccentWidth + 8, kCard.minY() + 9, kCard.width() - kAccentWidth - 16,
                    kCard.height() - 18};
const Font kNameFont("DejaVu Sans", 19, Font::Weight::Bold);

void drawProvider(gfx::Context& c, const ArtworkPen::NameLayout& name) {
    ArtworkPen pen(c);
    c.setFillColor(Color::rgb(0.97, 0.98, 0.99));
    pen.fillRoundedRect(kCard, kCardRadius);
    // The accent runs down the card's left edge, inside its rounded corners.
    c.save();
    c.beginPath();
    pen.addRoundedRect(kCard, kCardRadius);
    c.clip();
    c.setFillColor(themeColor());
    c.fillRect(kCard.minX(), kCard.minY(), kAccentWidth, kCard.height());
    c.restore();
    c.setStrokeColor(Color::rgb(0.78, 0.81, 0.85));
    c.setLineWidth(1);
    pen.strokeRoundedRect(kCard.insetBy(0.5, 0.5), kCardRadius - 0.5);
    c.setFillColor(kInk);
    pen.drawName(kNameFont, name, kNameBox);
}

void addProviders(ArtworkRegistry& registry, const std::vector<Provider>& providers) {
    double size = kNameFont.size();
    for (const Provider& p : providers)
        size = std::min(size, ArtworkPen::fitName(kNameFont, p.name, kNameBox, size).size);
    for (const Provider& p : providers) {
        ArtworkPen::NameLayout name = ArtworkPen::fitName(kNameFont, p.name, kNameBox, size);
        registry.add(p.file, StudyAidsArtwork::kProviderWidth, StudyAidsArtwork::kProviderHeight,
                     [name](gfx::Context& c) { drawProvider(c, name); });
    }
}

// ---- The map image: a folded map of three panels with a route and a pin.

void drawMapImage(gfx::Context& c) {
    ArtworkPen pen(c);
    // Top and bottom edges of the folds, left to right.
    const double xs[] = {3, 11.67, 20.33, 29};
    const double tops[] = {7, 4, 7, 4};
    const double fold = 21;
    const Color panels[] = {Color::rgb(0.80, 0.89, 0.76), Color::rgb(0.70, 0.82, 0.66),
                            Color::rgb(0.80, 0.89, 0.76)};
    for (int i = 0; i < 3; ++i) {
        c.beginPath();
        c.addLines({{xs[i], tops[i]},
                    {xs[i + 1], tops[i + 1]},
                    {xs[i + 1], tops[i + 1] + fold},
                    {xs[i], tops[i] + fold}});
        c.closePath();
        c.setFillColor(panels[i]);
        c.fillPath();
    }
    c.setLineJoin(gfx::LineJoin::Round);
    c.setLineCap(gfx::LineCap::Round);
    // A road across the folds.
    c.setStrokeColor(kWhite);
    c.setLineWidth(2);
    c.beginPath();
    c.moveTo(4, 23);
    c.curveTo(10, 18, 15, 27, 21, 21);
    c.curveTo(24, 18, 26, 17, 28, 18);
    c.strokePath();
    // The outline.
    c.setStrokeColor(Color::rgb(0.36, 0.48, 0.33));
    c.setLineWidth(1);
    c.beginPath();
    c.addLines({{xs[0], tops[0]},
                {xs[1], tops[1]},
                {xs[2], tops[2]},
                {xs[3], tops[3]},
                {xs[3], tops[3] + fold},
                {xs[2], tops[2] + fold},
                {xs[1], tops[1] + fold},
                {xs[0], tops[0] + fold}});
    c.closePath();
    c.strokePath();
    for (int i = 1; i < 3; ++i) pen.line(xs[i], tops[i], xs[i], tops[i] + fold);
    // The pin: a round head narrowing to its point.
    double px = 16, py = 11, head = 5;
    c.setFillColor(Color::rgb(0.84, 0.22, 0.18));
    c.beginPath();
    c.addArc(px, py, head, kPi * 0.8, kPi * 0.2, true);
    c.lineTo(px, py + 12);
    c.closePath();
    c.fillPath();
    c.setFillColor(kWhite);
    pen.disc(px, py, 1.9);
}

}  // namespace

void StudyAidsArtwork::addTo(ArtworkRegistry& registry) {
    static const Topic kTopics[] = {
        {"Math_icon_nt", numberTheory},
        {"Math_icon_percents", percents},
        {"Math_icon_absolute_value", absoluteValue},
        {"Math_icon_triangles", triangles},
        {"Math_icon_circles", circles},
        {"Math_icon_cg", coordinateGeometry},
        {"Math_icon_std", standardDeviation},
        {"Math_icon_probability", probability},
    };
    int index = 0;
    for (const Topic& topic : kTopics) addTopic(registry, topic, index++);

    addProviders(registry, {
                               {"Courses_Kaplan", "Kaplan"},
                               {"Courses_knewton", "Knewton"},
                               {"Courses_ManhattanORVA", "Manhattan ORVA"},
                               {"Courses_PrincetonReview", "Princeton Review"},
                               {"Courses_ManhattanReview", "Manhattan Review"},
                           });

    registry.add("Courses_ManhattanORVA_MI", kMapImageSide, kMapImageSide, drawMapImage);
}
