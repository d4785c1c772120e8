#include "tools/artwork/ArtworkPen.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/graphics/Context.h"

namespace {

constexpr double kPi = std::numbers::pi;
// Pixels per point of the canvas on which ink is measured.
constexpr double kInkScale = 8;
// Lines of a broken name are this many times the font size apart.
constexpr double kLineSpacing = 1.12;

double advanceOf(const ui::Font& font, const std::string& text) {
    gfx::Context scratch(1, 1, 1);
    scratch.setFont(font.filePath(), font.size());
    return scratch.textWidth(text);
}

}  // namespace

void ArtworkPen::setLines(const ui::Color& color, double width) {
    context_.setStrokeColor(color);
    context_.setFillColor(color);
    context_.setLineWidth(width);
    context_.setLineCap(gfx::LineCap::Round);
    context_.setLineJoin(gfx::LineJoin::Round);
}

void ArtworkPen::arrowhead(double x, double y, double angle, double length, double spread) {
    context_.beginPath();
    context_.moveTo(x + length * std::cos(angle + spread), y + length * std::sin(angle + spread));
    context_.lineTo(x, y);
    context_.lineTo(x + length * std::cos(angle - spread), y + length * std::sin(angle - spread));
    context_.strokePath();
}

void ArtworkPen::line(double x0, double y0, double x1, double y1) {
    context_.beginPath();
    context_.moveTo(x0, y0);
    context_.lineTo(x1, y1);
    context_.strokePath();
}

void ArtworkPen::disc(double x, double y, double radius) {
    context_.beginPath();
    context_.addEllipse(x - radius, y - radius, 2 * radius, 2 * radius);
    context_.fillPath();
}

void ArtworkPen::ring(double x, double y, double radius) {
    context_.beginPath();
    context_.addEllipse(x - radius, y - radius, 2 * radius, 2 * radius);
    context_.strokePath();
}

void ArtworkPen::addRoundedRect(const ui::Rect& rect, double radius) {
    double x = rect.minX(), y = rect.minY(), w = rect.width(), h = rect.height();
    double r = std::clamp(radius, 0.0, std::min(w, h) / 2);
    context_.moveTo(x + r, y);
    context_.addArc(x + w - r, y + r, r, -kPi / 2, 0, true);
    context_.addArc(x + w - r, y + h - r, r, 0, kPi / 2, true);
    context_.addArc(x + r, y + h - r, r, kPi / 2, kPi, true);
    context_.addArc(x + r, y + r, r, kPi, 3 * kPi / 2, true);
    context_.closePath();
}

void ArtworkPen::fillRoundedRect(const ui::Rect& rect, double radius) {
    context_.beginPath();
    addRoundedRect(rect, radius);
    context_.fillPath();
}

void ArtworkPen::strokeRoundedRect(const ui::Rect& rect, double radius) {
    context_.beginPath();
    addRoundedRect(rect, radius);
    context_.strokePath();
}

ui::Rect ArtworkPen::inkOf(const ui::Font& font, const std::string& text) {
    // Drawn with a margin of one font size on every side, since ink may lie left of the origin
    // or above the ascender.
    double margin = font.size();
    gfx::Context canvas(advanceOf(font, text) + 2 * margin, font.lineHeight() + 2 * margin, kInkScale);
    canvas.setFont(font.filePath(), font.size());
    canvas.setFillColor(0, 0, 0);
    canvas.drawText(text, margin, margin);
    const gfx::Bitmap& bitmap = canvas.bitmap();
    int left = bitmap.width(), top = bitmap.height(), right = -1, bottom = -1;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.pixel(x, y).alpha < 64) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return {left / kInkScale - margin, top / kInkScale - margin, (right + 1 - left) / kInkScale,
            (bottom + 1 - top) / kInkScale};
}

void ArtworkPen::drawInkCentred(const ui::Font& font, const std::string& text, double x, double y) {
    ui::Rect ink = inkOf(font, text);
    context_.setFont(font.filePath(), font.size());
    context_.drawText(text, x - ink.midX(), y - ink.midY());
}

void ArtworkPen::drawLineCentred(const ui::Font& font, const std::string& text, double x, double y) {
    ui::Rect capitals = inkOf(font, "H");
    context_.setFont(font.filePath(), font.size());
    context_.drawText(text, x - advanceOf(font, text) / 2, y - capitals.midY());
}

ArtworkPen::NameLayout ArtworkPen::fitName(const ui::Font& font, const std::string& name, const ui::Rect& box,
                                           double largest) {
    // Every way to set the name: whole, or split at each blank.
    std::vector<std::vector<std::string>> layouts{{name}};
    for (std::size_t i = name.find(' '); i != std::string::npos; i = name.find(' ', i + 1))
        layouts.push_back({name.substr(0, i), name.substr(i + 1)});

    // Widths and the block's height grow in proportion to the size: measure at one point.
    double capitals = inkOf(font.withSize(100), "H").height() / 100;
    NameLayout best;
    for (auto& lines : layouts) {
        double widest = 0;
        for (const auto& line : lines) widest = std::max(widest, advanceOf(font.withSize(1), line));
        double tallest = capitals + (lines.size() - 1) * kLineSpacing;
        if (widest <= 0) continue;
        double size = std::floor(std::min({largest, box.width() / widest, box.height() / tallest}) * 2) / 2;
        if (size > best.size) best = {std::move(lines), size};
    }
    return best;
}

void ArtworkPen::drawName(const ui::Font& font, const NameLayout& layout, const ui::Rect& box) {
    if (layout.lines.empty() || layout.size <= 0) return;
    ui::Font sized = font.withSize(layout.size);
    double step = sized.size() * kLineSpacing;
    double first = box.midY() - step * (layout.lines.size() - 1) / 2;
    for (std::size_t i = 0; i < layout.lines.size(); ++i)
        drawLineCentred(sized, layout.lines[i], box.midX(), first + step * i);
}

void ArtworkPen::tile(double side, const ui::Color& color, double radius) {
    gfx::Context& c = context_;
    c.save();
    c.beginPath();
    addRoundedRect({0.5, 0.5, side - 1, side - 1}, radius);
    c.clip();
    ui::Color top = ui::Color::interpolate(color, ui::Color::whiteColor(), 0.22);
    c.drawLinearGradient({{0, top.red, top.green, top.blue, 1}, {1, color.red, color.green, color.blue, 1}},
                         0, 0, 0, side);
    c.restore();
    c.setStrokeColor(ui::Color::interpolate(color, ui::Color::blackColor(), 0.25));
    c.setLineWidth(1);
    strokeRoundedRect({0.5, 0.5, side - 1, side - 1}, radius);
}
