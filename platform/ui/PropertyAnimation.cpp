#include "platform/ui/PropertyAnimation.h"

namespace ui {

namespace {

double mix(double a, double b, double f) { return a + (b - a) * f; }

struct Interpolate {
    double f;
    AnimatedValue operator()(double a, double b) const { return mix(a, b, f); }
    AnimatedValue operator()(const Point& a, const Point& b) const {
        return Point{mix(a.x, b.x, f), mix(a.y, b.y, f)};
    }
    AnimatedValue operator()(const Size& a, const Size& b) const {
        return Size{mix(a.width, b.width, f), mix(a.height, b.height, f)};
    }
    AnimatedValue operator()(const AffineTransform& a, const AffineTransform& b) const {
        return AffineTransform::interpolate(a, b, f);
    }
    AnimatedValue operator()(const Color& a, const Color& b) const { return Color::interpolate(a, b, f); }
    template <class A, class B>
    AnimatedValue operator()(const A&, const B& b) const {
        return b;  // values of one property always have one type; never reached
    }
};

}  // namespace

AnimatedValue PropertyAnimation::valueAt(double time) const {
    if (!animation->isCommitted()) return from;
    double p = animation->progressAt(time);
    if (p <= 0 && time < animation->startTime()) return from;
    if (time >= animation->endTime()) return to;
    return std::visit(Interpolate{p}, from, to);
}

const char* animatedPropertyName(AnimatedProperty property) {
    switch (property) {
        case AnimatedProperty::Center:
            return "center";
        case AnimatedProperty::Size:
            return "size";
        case AnimatedProperty::Origin:
            return "origin";
        case AnimatedProperty::Transform:
            return "transform";
        case AnimatedProperty::Alpha:
            return "alpha";
        case AnimatedProperty::Background:
            return "background";
    }
    return "";
}

}  // namespace ui
