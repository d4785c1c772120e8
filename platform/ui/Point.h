#pragma once
// A point (or a displacement) in points.

namespace ui {

struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
    Point operator+(const Point& o) const { return {x + o.x, y + o.y}; }
    Point operator-(const Point& o) const { return {x - o.x, y - o.y}; }
    Point operator*(double f) const { return {x * f, y * f}; }
    Point& operator+=(const Point& o) {
        x += o.x;
        y += o.y;
        return *this;
    }
    Point& operator-=(const Point& o) {
        x -= o.x;
        y -= o.y;
        return *this;
    }
};

}  // namespace ui
