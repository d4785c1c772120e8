#pragma once
// A 2-D affine transform: x' = a x + c y + tx, y' = b x + d y + ty. Views apply theirs about their centre.

#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

namespace ui {

struct AffineTransform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    static AffineTransform identity() { return {}; }
    static AffineTransform scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static AffineTransform scale(double s) { return scale(s, s); }
    static AffineTransform rotation(double radians);
    static AffineTransform translation(double dx, double dy) { return {1, 0, 0, 1, dx, dy}; }

    friend bool operator==(const AffineTransform&, const AffineTransform&) = default;
    bool isIdentity() const { return *this == AffineTransform{}; }

    // This transform followed by `then`.
    AffineTransform concat(const AffineTransform& then) const;
    // The inverse; the transform itself when it cannot be inverted.
    AffineTransform inverted() const;
    bool isInvertible() const;

    Point apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    // Without the translation: for displacements.
    Point applyToVector(Point v) const { return {a * v.x + c * v.y, b * v.x + d * v.y}; }
    // The bounding box of the transformed rectangle.
    Rect apply(const Rect& r) const;

    // The parts an animation interpolates, as the browser decomposes a matrix: the linear part is
    // scale x residual x rotation (row vectors), the residual being the identity for plain scales
    // and rotations.
    struct Parts {
        double translateX = 0, translateY = 0, angle = 0, scaleX = 1, scaleY = 1;
        double r11 = 1, r12 = 0, r21 = 0, r22 = 1;
    };
    Parts decompose() const;
    static AffineTransform compose(const Parts& parts);
    static AffineTransform interpolate(const AffineTransform& from, const AffineTransform& to,
                                       double fraction);
};

}  // namespace ui
