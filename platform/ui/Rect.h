#pragma once
// A rectangle: its top-left corner and its size, in points. A negative size counts as its mirror.

#include "platform/ui/Point.h"
#include "platform/ui/Size.h"

namespace ui {

struct Rect {
    Point origin;
    Size size;

    Rect() = default;
    Rect(Point o, Size s) : origin(o), size(s) {}
    Rect(double x, double y, double w, double h) : origin{x, y}, size{w, h} {}

    friend bool operator==(const Rect&, const Rect&) = default;

    double minX() const;
    double minY() const;
    double maxX() const;
    double maxY() const;
    double midX() const { return origin.x + size.width / 2; }
    double midY() const { return origin.y + size.height / 2; }
    Point mid() const { return {midX(), midY()}; }
    double width() const { return size.width < 0 ? -size.width : size.width; }
    double height() const { return size.height < 0 ? -size.height : size.height; }

    // The same rectangle with a non-negative size.
    Rect standardized() const;
    bool isEmpty() const { return size.width == 0 || size.height == 0; }
    // Points on the left and top edges are inside, those on the right and bottom edges are not.
    bool contains(Point p) const;
    bool intersects(const Rect& other) const;
    Rect intersection(const Rect& other) const;  // empty (zero size) when they do not meet
    Rect united(const Rect& other) const;
    Rect offsetBy(double dx, double dy) const {
        return {origin.x + dx, origin.y + dy, size.width, size.height};
    }
    Rect insetBy(double dx, double dy) const;
};

}  // namespace ui
