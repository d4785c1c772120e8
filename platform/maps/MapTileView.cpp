#include "platform/maps/MapTileView.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/ui/Font.h"

namespace maps {

namespace {

const ui::Color kGround = ui::Color::rgb(0.93, 0.92, 0.87);
const ui::Color kBeyond = ui::Color::rgb(0.80, 0.80, 0.78);
const ui::Color kLine = ui::Color::rgb(0.62, 0.68, 0.76);
const ui::Color kEquator = ui::Color::rgb(0.45, 0.55, 0.70);
const ui::Color kText = ui::Color::rgb(0.38, 0.44, 0.52);
constexpr double kLabelSize = 9;

int decimalsFor(double step) {
    for (int d = 0; d < 8; ++d) {
        double scaled = step * std::pow(10.0, d);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6) return d;
    }
    return 8;
}

}  // namespace

double MapTileView::graticuleStep(double pointsPerDegree) {
    static const double large[] = {1, 2, 5, 10, 15, 30, 45, 90};
    if (!(pointsPerDegree > 0) || !std::isfinite(pointsPerDegree)) return 90;
    double least = kLeastLineSpacing / pointsPerDegree;
    if (least >= 1) {
        for (double step : large)
            if (step >= least) return step;
        return 90;
    }
    double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= least * (1 - 1e-9)) return factor * power;
    return 10 * power;
}

std::string MapTileView::degreeLabel(double degrees, double step, bool latitude) {
    int decimals = decimalsFor(step);
    double magnitude = std::fabs(degrees);
    char number[32];
    std::snprintf(number, sizeof number, "%.*f", decimals, magnitude);
    bool zero = std::string(number).find_first_not_of("0.") == std::string::npos;
    std::string text = std::string(number) + "\u00B0";
    if (zero) return text;
    if (latitude) return text + (degrees > 0 ? "N" : "S");
    return text + (degrees > 0 ? "E" : "W");
}

void MapTileView::init(const MapProjection& projection, int column, int row) {
    DrawnView::init(ui::Rect{column * kSide, row * kSide, kSide + kOverlap, kSide + kOverlap});
    projection_ = projection;
    column_ = column;
    row_ = row;
    setUserInteractionEnabled(false);
}

void MapTileView::drawRect(const ui::Rect&) {
    gfx::Context& c = *gfx::Context::current();
    // The tile is a point larger than its place, under its neighbours, so that no seam shows
    // between tiles where the display scales them by a fraction.
    const double side = kSide + kOverlap;
    c.setFillColor(kGround);
    c.fillRect(0, 0, side, side);

    // The tile's corners in the plane, and the degrees they span.
    const ui::Point origin{column_ * kSide, row_ * kSide};
    const double ky = projection_.pointsPerDegreeLatitude(), kx = projection_.pointsPerDegreeLongitude();
    const Coordinate center = projection_.center();
    const ui::Size view = projection_.viewSize();
    auto xOf = [&](double longitude) {
        return view.width / 2 + (longitude - center.longitude) * kx - origin.x;
    };
    auto yOf = [&](double latitude) {
        return view.height / 2 - (latitude - center.latitude) * ky - origin.y;
    };
    double step = graticuleStep(ky);
    // A label may stand across any edge of the tile (the latitude above its line, the longitude
    // below it, both to the right of the meridian): lines a little beyond are visited too.
    const double margin = 60;
    double west = center.longitude + (origin.x - margin - view.width / 2) / kx;
    double east = center.longitude + (origin.x + kSide - view.width / 2) / kx;
    double north = center.latitude - (origin.y - margin - view.height / 2) / ky;
    double south = center.latitude - (origin.y + kSide + margin - view.height / 2) / ky;

    // Beyond the poles there is no earth.
    c.setFillColor(kBeyond);
    if (yOf(90) > 0) c.fillRect(0, 0, side, yOf(90));
    if (yOf(-90) < side) c.fillRect(0, yOf(-90), side, side - yOf(-90));

    std::vector<double> meridians, parallels;
    for (double l = std::ceil(west / step) * step; l <= east; l += step) meridians.push_back(l);
    for (double l = std::ceil(std::max(south, -90.0) / step) * step; l <= std::min(north, 90.0); l += step)
        parallels.push_back(l);

    c.setLineWidth(1);
    for (double m : meridians) {
        c.setStrokeColor(kLine);
        c.beginPath();
        c.moveTo(xOf(m), std::max(0.0, yOf(90)));
        c.lineTo(xOf(m), std::min(side, yOf(-90)));
        c.strokePath();
    }
    for (double p : parallels) {
        c.setStrokeColor(std::fabs(p) < step / 2 ? kEquator : kLine);
        c.beginPath();
        c.moveTo(0, yOf(p));
        c.lineTo(side, yOf(p));
        c.strokePath();
    }

    // Each crossing says its latitude above the parallel and its longitude below it.
    c.setFillColor(kText);
    ui::Font font = ui::Font::system(kLabelSize);
    c.setFont(font.filePath(), kLabelSize);
    for (double m : meridians) {
        // Longitudes beyond the date line are named as the earth has them.
        double named = std::remainder(m, 360.0);
        for (double p : parallels) {
            double x = xOf(m) + 3, y = yOf(p);
            c.drawText(degreeLabel(std::fabs(p) < step / 2 ? 0 : p, step, true), x, y - kLabelSize - 4);
            c.drawText(degreeLabel(std::fabs(named) < step / 2 ? 0 : named, step, false), x, y + 2);
        }
    }
}

}  // namespace maps
