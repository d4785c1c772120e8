#include "platform/ui/Rect.h"

#include <algorithm>

namespace ui {

double Rect::minX() const { return std::min(origin.x, origin.x + size.width); }
double Rect::minY() const { return std::min(origin.y, origin.y + size.height); }
double Rect::maxX() const { return std::max(origin.x, origin.x + size.width); }
double Rect::maxY() const { return std::max(origin.y, origin.y + size.height); }

Rect Rect::standardized() const { return {minX(), minY(), width(), height()}; }

bool Rect::contains(Point p) const {
    return !isEmpty() && p.x >= minX() && p.x < maxX() && p.y >= minY() && p.y < maxY();
}

bool Rect::intersects(const Rect& other) const { return !intersection(other).isEmpty(); }

Rect Rect::intersection(const Rect& other) const {
    double x0 = std::max(minX(), other.minX());
    double y0 = std::max(minY(), other.minY());
    double x1 = std::min(maxX(), other.maxX());
    double y1 = std::min(maxY(), other.maxY());
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect Rect::united(const Rect& other) const {
    if (isEmpty()) return other.standardized();
    if (other.isEmpty()) return standardized();
    double x0 = std::min(minX(), other.minX());
    double y0 = std::min(minY(), other.minY());
    double x1 = std::max(maxX(), other.maxX());
    double y1 = std::max(maxY(), other.maxY());
    return {x0, y0, x1 - x0, y1 - y0};
}

Rect Rect::insetBy(double dx, double dy) const {
    Rect r = standardized();
    return {r.origin.x + dx, r.origin.y + dy, std::max(0.0, r.size.width - 2 * dx),
            std::max(0.0, r.size.height - 2 * dy)};
}

}  // namespace ui
