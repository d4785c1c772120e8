#include "platform/ui/Color.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {
double unit(double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; }
}  // namespace

Color Color::rgb(double r, double g, double b, double a) { return {unit(r), unit(g), unit(b), unit(a)}; }

Color Color::hsb(double hue, double saturation, double brightness, double alpha) {
    double h = std::isfinite(hue) ? hue - std::floor(hue) : 0.0;  // hue wraps round
    double s = unit(saturation), v = unit(brightness);
    if (s == 0) return rgb(v, v, v, alpha);
    double sector = h * 6.0;
    int i = static_cast<int>(std::floor(sector)) % 6;
    double f = sector - std::floor(sector);
    double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
    switch (i) {
        case 0:
            return rgb(v, t, p, alpha);
        case 1:
            return rgb(q, v, p, alpha);
        case 2:
            return rgb(p, v, t, alpha);
        case 3:
            return rgb(p, q, v, alpha);
        case 4:
            return rgb(t, p, v, alpha);
        default:
            return rgb(v, p, q, alpha);
    }
}

Color::HSB Color::toHSB() const {
    double mx = std::max({red, green, blue}), mn = std::min({red, green, blue});
    HSB out{0, 0, mx, alpha};
    double delta = mx - mn;
    if (mx <= 0 || delta <= 0) return out;
    out.saturation = delta / mx;
    double h;
    if (mx == red)
        h = (green - blue) / delta;
    else if (mx == green)
        h = 2 + (blue - red) / delta;
    else
        h = 4 + (red - green) / delta;
    h /= 6;
    if (h < 0) h += 1;
    out.hue = h;
    return out;
}

Color Color::interpolate(const Color& from, const Color& to, double f) {
    if (f <= 0) return from;
    if (f >= 1) return to;
    auto mix = [f](double u, double v) { return u + (v - u) * f; };
    return {mix(from.red, to.red), mix(from.green, to.green), mix(from.blue, to.blue),
            mix(from.alpha, to.alpha)};
}

}  // namespace ui
