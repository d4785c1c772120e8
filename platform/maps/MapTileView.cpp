#include "platform/maps/MapTileView.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/maps/RectClip.h"

namespace maps {

namespace {

const ui::Color kSea = ui::Color::rgb(0.67, 0.80, 0.89);
const ui::Color kLand = ui::Color::rgb(0.95, 0.94, 0.89);
const ui::Color kCoast = ui::Color::rgb(0.45, 0.60, 0.72);
const ui::Color kBorder = ui::Color::rgb(0.62, 0.52, 0.62);
const ui::Color kBeyond = ui::Color::rgb(0.80, 0.80, 0.78);
const ui::Color kLine = ui::Color::rgb(0.30, 0.42, 0.58, 0.30);
const ui::Color kEquator = ui::Color::rgb(0.30, 0.42, 0.58, 0.55);
// Shapes are cut this far beyond the tile, so that a cut edge and its stroke never show.
constexpr double kClipMargin = 4;

// Where the tile shows places: a coordinate's point in the tile, and the degrees the tile covers.
struct TileFrame {
    ui::Point origin;  // the tile's top-left corner in the plane
    Coordinate center;
    ui::Size view;
    double kx = 1, ky = 1;

    double x(double longitude) const {
        return view.width / 2 + (longitude - center.longitude) * kx - origin.x;
    }
    double y(double latitude) const { return view.height / 2 - (latitude - center.latitude) * ky - origin.y; }
    ui::Point point(const Coordinate& c, double shift) const {
        return {x(c.longitude + shift), y(c.latitude)};
    }
    // The tile's degrees, `margin` points wider on every side; longitudes may pass the date line.
    GeoBox box(double side, double margin) const {
        return {center.longitude + (origin.x - margin - view.width / 2) / kx,
                center.latitude - (origin.y + side + margin - view.height / 2) / ky,
                center.longitude + (origin.x + side + margin - view.width / 2) / kx,
                center.latitude - (origin.y - margin - view.height / 2) / ky};
    }
};

TileFrame frameOf(const MapProjection& projection, int column, int row) {
    return {{column * MapTileView::kSide, row * MapTileView::kSide},
            projection.center(),
            projection.viewSize(),
            projection.pointsPerDegreeLongitude(),
            projection.pointsPerDegreeLatitude()};
}

// The whole turns of the globe by which a shape must move to fall within the tile's longitudes
// (several on a map zoomed out past the width of the earth).
std::vector<double> shiftsOnto(const GeoBox& shape, const GeoBox& tile) {
    std::vector<double> shifts;
    if (shape.south > tile.north || shape.north < tile.south) return shifts;
    for (double k = std::ceil((tile.west - shape.east) / 360); k * 360 + shape.west <= tile.east; ++k)
        shifts.push_back(k * 360);
    return shifts;
}

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
    c.setFillColor(kSea);
    c.fillRect(0, 0, side, side);
    if (const WorldMap::Shapes* ground = WorldMap::shapesFor(projection_.pointsPerDegreeLatitude()))
        drawGround(c, *ground);

    const TileFrame tile = frameOf(projection_, column_, row_);
    // Beyond the poles there is no earth.
    c.setFillColor(kBeyond);
    if (tile.y(90) > 0) c.fillRect(0, 0, side, tile.y(90));
    if (tile.y(-90) < side) c.fillRect(0, tile.y(-90), side, side - tile.y(-90));

    double step = graticuleStep(tile.ky);
    GeoBox degrees = tile.box(kSide, 0);
    c.setLineWidth(0.5);
    for (double m = std::ceil(degrees.west / step) * step; m <= degrees.east; m += step) {
        c.setStrokeColor(kLine);
        c.beginPath();
        c.moveTo(tile.x(m), std::max(0.0, tile.y(90)));
        c.lineTo(tile.x(m), std::min(side, tile.y(-90)));
        c.strokePath();
    }
    for (double p = std::ceil(std::max(degrees.south, -90.0) / step) * step;
         p <= std::min(degrees.north, 90.0); p += step) {
        c.setStrokeColor(std::fabs(p) < step / 2 ? kEquator : kLine);
        c.beginPath();
        c.moveTo(0, tile.y(p));
        c.lineTo(side, tile.y(p));
        c.strokePath();
    }
}

void MapTileView::drawGround(gfx::Context& c, const WorldMap::Shapes& ground) const {
    const TileFrame tile = frameOf(projection_, column_, row_);
    const ui::Rect reach{-kClipMargin, -kClipMargin, kSide + kOverlap + 2 * kClipMargin,
                         kSide + kOverlap + 2 * kClipMargin};
    const GeoBox covered = tile.box(kSide + kOverlap, kClipMargin);
    std::vector<ui::Point> points;
    auto project = [&](const std::vector<Coordinate>& shape, double shift) {
        points.clear();
        points.reserve(shape.size());
        for (const Coordinate& place : shape) points.push_back(tile.point(place, shift));
    };
    auto addRun = [&c](const std::vector<ui::Point>& run, bool closed) {
        c.moveTo(run.front().x, run.front().y);
        for (std::size_t i = 1; i < run.size(); ++i) c.lineTo(run[i].x, run[i].y);
        if (closed) c.closePath();
    };

    // The land as one path: holes (lakes, inland seas) come out by the even-odd rule.
    c.beginPath();
    for (const GeoPolygon& polygon : ground.land)
        for (double shift : shiftsOnto(polygon.box, covered))
            for (const auto& ring : polygon.rings) {
                project(ring, shift);
                std::vector<ui::Point> cut = RectClip::ring(points, reach);
                if (!cut.empty()) addRun(cut, true);
            }
    c.setFillColor(kLand);
    c.fillPathEvenOdd();

    auto strokeLines = [&](const std::vector<GeoLine>& lines, const ui::Color& color, double width) {
        c.beginPath();
        for (const GeoLine& line : lines)
            for (double shift : shiftsOnto(line.box, covered)) {
                project(line.points, shift);
                for (const auto& piece : RectClip::line(points, reach)) addRun(piece, false);
            }
        c.setStrokeColor(color);
        c.setLineWidth(width);
        c.strokePath();
    };
    c.setLineJoin(gfx::LineJoin::Round);
    strokeLines(ground.borders, kBorder, 0.6);
    strokeLines(ground.coasts, kCoast, 0.7);
}

}  // namespace maps
