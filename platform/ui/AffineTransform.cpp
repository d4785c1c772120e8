#include "platform/ui/AffineTransform.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {

AffineTransform AffineTransform::rotation(double radians) {
    double c = std::cos(radians), s = std::sin(radians);
    return {c, s, -s, c, 0, 0};
}

AffineTransform AffineTransform::concat(const AffineTransform& t) const {
    return {a * t.a + b * t.c, a * t.b + b * t.d,          c * t.a + d * t.c,
            c * t.b + d * t.d, tx * t.a + ty * t.c + t.tx, tx * t.b + ty * t.d + t.ty};
}

bool AffineTransform::isInvertible() const {
    double det = a * d - b * c;
    return std::isfinite(det) && std::abs(det) > 1e-12;
}

AffineTransform AffineTransform::inverted() const {
    if (!isInvertible()) return *this;
    double det = a * d - b * c;
    AffineTransform r{d / det, -b / det, -c / det, a / det, 0, 0};
    r.tx = -(tx * r.a + ty * r.c);
    r.ty = -(tx * r.b + ty * r.d);
    return r;
}

Rect AffineTransform::apply(const Rect& rect) const {
    Rect r = rect.standardized();
    Point corners[4] = {apply(r.origin), apply(Point{r.maxX(), r.minY()}), apply(Point{r.minX(), r.maxY()}),
                        apply(Point{r.maxX(), r.maxY()})};
    double x0 = corners[0].x, x1 = x0, y0 = corners[0].y, y1 = y0;
    for (const Point& p : corners) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

AffineTransform::Parts AffineTransform::decompose() const {
    Parts p;
    p.translateX = tx;
    p.translateY = ty;
    // Rows of the linear part: (a, b) and (c, d).
    double r0x = a, r0y = b, r1x = c, r1y = d;
    p.scaleX = std::hypot(r0x, r0y);
    p.scaleY = std::hypot(r1x, r1y);
    if (a * d - b * c < 0) {
        if (a < d)
            p.scaleX = -p.scaleX;
        else
            p.scaleY = -p.scaleY;
    }
    if (p.scaleX != 0) r0x /= p.scaleX, r0y /= p.scaleX;
    if (p.scaleY != 0) r1x /= p.scaleY, r1y /= p.scaleY;
    p.angle = std::atan2(r0y, r0x);
    // Residual = normalised rows times the inverse rotation.
    double cs = std::cos(p.angle), sn = std::sin(p.angle);
    p.r11 = r0x * cs + r0y * sn;
    p.r12 = -r0x * sn + r0y * cs;
    p.r21 = r1x * cs + r1y * sn;
    p.r22 = -r1x * sn + r1y * cs;
    return p;
}

AffineTransform AffineTransform::compose(const Parts& p) {
    double cs = std::cos(p.angle), sn = std::sin(p.angle);
    // scale x residual x rotation, with rows as vectors.
    double m11 = p.scaleX * p.r11, m12 = p.scaleX * p.r12;
    double m21 = p.scaleY * p.r21, m22 = p.scaleY * p.r22;
    return {m11 * cs - m12 * sn, m11 * sn + m12 * cs, m21 * cs - m22 * sn,
            m21 * sn + m22 * cs, p.translateX,        p.translateY};
}

AffineTransform AffineTransform::interpolate(const AffineTransform& from, const AffineTransform& to,
                                             double f) {
    if (f <= 0) return from;
    if (f >= 1) return to;
    Parts x = from.decompose(), y = to.decompose();
    constexpr double pi = std::numbers::pi;
    // A mirror on different axes reads as a half turn, so the two sides stay comparable.
    if ((x.scaleX < 0 && y.scaleY < 0) || (x.scaleY < 0 && y.scaleX < 0)) {
        x.scaleX = -x.scaleX;
        x.scaleY = -x.scaleY;
        x.angle += x.angle < 0 ? pi : -pi;
    }
    // Never turn the long way round.
    if (std::abs(x.angle - y.angle) > pi) {
        if (x.angle > y.angle)
            x.angle -= 2 * pi;
        else
            y.angle -= 2 * pi;
    }
    auto mix = [f](double u, double v) { return u + (v - u) * f; };
    Parts m;
    m.translateX = mix(x.translateX, y.translateX);
    m.translateY = mix(x.translateY, y.translateY);
    m.angle = mix(x.angle, y.angle);
    m.scaleX = mix(x.scaleX, y.scaleX);
    m.scaleY = mix(x.scaleY, y.scaleY);
    m.r11 = mix(x.r11, y.r11);
    m.r12 = mix(x.r12, y.r12);
    m.r21 = mix(x.r21, y.r21);
    m.r22 = mix(x.r22, y.r22);
    return compose(m);
}

}  // namespace ui
