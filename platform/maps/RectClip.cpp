#include "platform/maps/RectClip.h"

#include <algorithm>
#include <utility>

namespace maps {

namespace {

enum class Edge { Left, Right, Top, Bottom };

bool inside(ui::Point p, Edge edge, const ui::Rect& r) {
    switch (edge) {
        case Edge::Left:
            return p.x >= r.origin.x;
        case Edge::Right:
            return p.x <= r.origin.x + r.size.width;
        case Edge::Top:
            return p.y >= r.origin.y;
        case Edge::Bottom:
            return p.y <= r.origin.y + r.size.height;
    }
    return true;
}

// Where the segment from a to b crosses the edge's line (a and b lie on either side of it).
ui::Point crossing(ui::Point a, ui::Point b, Edge edge, const ui::Rect& r) {
    if (edge == Edge::Left || edge == Edge::Right) {
        double x = edge == Edge::Left ? r.origin.x : r.origin.x + r.size.width;
        double t = (x - a.x) / (b.x - a.x);
        return {x, a.y + t * (b.y - a.y)};
    }
    double y = edge == Edge::Top ? r.origin.y : r.origin.y + r.size.height;
    double t = (y - a.y) / (b.y - a.y);
    return {a.x + t * (b.x - a.x), y};
}

bool within(ui::Point p, const ui::Rect& r) {
    return p.x >= r.origin.x && p.x <= r.origin.x + r.size.width && p.y >= r.origin.y &&
           p.y <= r.origin.y + r.size.height;
}

// Liang-Barsky: the part of the segment within the rectangle, as fractions along it.
bool segmentWithin(ui::Point a, ui::Point b, const ui::Rect& r, double& t0, double& t1) {
    t0 = 0;
    t1 = 1;
    double dx = b.x - a.x, dy = b.y - a.y;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - r.origin.x, r.origin.x + r.size.width - a.x, a.y - r.origin.y,
                        r.origin.y + r.size.height - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

std::vector<ui::Point> RectClip::ring(const std::vector<ui::Point>& ring, const ui::Rect& rect) {
    // Sutherland-Hodgman: the ring is cut by each edge's half-plane in turn.
    std::vector<ui::Point> out = ring, in;
    for (Edge edge : {Edge::Left, Edge::Right, Edge::Top, Edge::Bottom}) {
        if (out.empty()) break;
        std::swap(in, out);
        out.clear();
        ui::Point previous = in.back();
        bool previousInside = inside(previous, edge, rect);
        for (ui::Point p : in) {
            bool pInside = inside(p, edge, rect);
            if (pInside != previousInside) out.push_back(crossing(previous, p, edge, rect));
            if (pInside) out.push_back(p);
            previous = p;
            previousInside = pInside;
        }
    }
    if (out.size() < 3) out.clear();
    return out;
}

std::vector<std::vector<ui::Point>> RectClip::line(const std::vector<ui::Point>& line, const ui::Rect& rect) {
    std::vector<std::vector<ui::Point>> pieces;
    std::vector<ui::Point> piece;
    for (std::size_t i = 1; i < line.size(); ++i) {
        ui::Point a = line[i - 1], b = line[i];
        double t0, t1;
        if (!segmentWithin(a, b, rect, t0, t1)) {
            if (!piece.empty()) pieces.push_back(std::move(piece));
            piece.clear();
            continue;
        }
        ui::Point from{a.x + t0 * (b.x - a.x), a.y + t0 * (b.y - a.y)};
        ui::Point to{a.x + t1 * (b.x - a.x), a.y + t1 * (b.y - a.y)};
        if (piece.empty()) piece.push_back(from);
        piece.push_back(to);
        // A segment that leaves the rectangle ends the piece.
        if (!within(b, rect)) {
            pieces.push_back(std::move(piece));
            piece.clear();
        }
    }
    if (piece.size() >= 2) pieces.push_back(std::move(piece));
    std::erase_if(pieces, [](const auto& p) { return p.size() < 2; });
    return pieces;
}

}  // namespace maps
