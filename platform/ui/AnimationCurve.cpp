#include "platform/ui/AnimationCurve.h"

#include <cmath>

namespace ui {

namespace {

// A cubic Bézier from (0,0) to (1,1) with control points (x1,y1) and (x2,y2): solve x(t) = fraction
// for t by Newton steps with bisection as the fallback, then answer y(t).
double bezier(double x1, double y1, double x2, double y2, double fraction) {
    auto coord = [](double p1, double p2, double t) {
        double u = 1 - t;
        return 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t;
    };
    auto slope = [](double p1, double p2, double t) {
        double u = 1 - t;
        return 3 * u * u * p1 + 6 * u * t * (p2 - p1) + 3 * t * t * (1 - p2);
    };
    double t = fraction;
    for (int i = 0; i < 8; ++i) {
        double err = coord(x1, x2, t) - fraction;
        if (std::abs(err) < 1e-9) return coord(y1, y2, t);
        double d = slope(x1, x2, t);
        if (std::abs(d) < 1e-9) break;
        t -= err / d;
    }
    double lo = 0, hi = 1;
    t = fraction;
    for (int i = 0; i < 60; ++i) {
        double x = coord(x1, x2, t);
        if (std::abs(x - fraction) < 1e-9) break;
        if (x < fraction)
            lo = t;
        else
            hi = t;
        t = (lo + hi) / 2;
    }
    return coord(y1, y2, t);
}

}  // namespace

double curveProgress(AnimationCurve curve, double fraction) {
    if (!(fraction > 0)) return 0;
    if (fraction >= 1) return 1;
    switch (curve) {
        case AnimationCurve::EaseInOut:
            return bezier(0.42, 0, 0.58, 1, fraction);
        case AnimationCurve::EaseIn:
            return bezier(0.42, 0, 1, 1, fraction);
        case AnimationCurve::EaseOut:
            return bezier(0, 0, 0.58, 1, fraction);
        case AnimationCurve::Linear:
            break;
    }
    return fraction;
}

const char* curveName(AnimationCurve curve) {
    switch (curve) {
        case AnimationCurve::EaseInOut:
            return "easeInOut";
        case AnimationCurve::EaseIn:
            return "easeIn";
        case AnimationCurve::EaseOut:
            return "easeOut";
        case AnimationCurve::Linear:
            break;
    }
    return "linear";
}

}  // namespace ui
