#include "platform/ui/ActivityIndicator.h"

#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "platform/graphics/Context.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Device.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

namespace ui {

namespace {

double sideOf(ActivityIndicatorStyle style) { return style == ActivityIndicatorStyle::WhiteLarge ? 37 : 20; }

// Twelve spokes fading round the wheel, drawn once per style.
std::shared_ptr<const Image> wheelImage(ActivityIndicatorStyle style) {
    static std::map<ActivityIndicatorStyle, std::shared_ptr<const Image>> cache;
    auto& image = cache[style];
    if (image) return image;
    double side = sideOf(style);
    double scale = Device::current().screenScale();
    gfx::Context c(side, side, scale);
    double level = style == ActivityIndicatorStyle::Gray ? 0.35 : 1.0;
    c.setLineCap(gfx::LineCap::Round);
    c.setLineWidth(side * 0.09);
    c.translate(side / 2, side / 2);
    for (int i = 0; i < 12; ++i) {
        c.setStrokeColor(level, level, level, 0.25 + 0.75 * i / 11.0);
        c.beginPath();
        c.moveTo(0, -side * 0.25);
        c.lineTo(0, -side * 0.45);
        c.strokePath();
        c.rotate(std::numbers::pi / 6);
    }
    image = Image::fromPNG(c.pngData(), scale);
    return image;
}

}  // namespace

void ActivityIndicator::init(const Rect& frame) {
    View::init(frame);
    setUserInteractionEnabled(false);
    wheel_ = make<ImageView>();
    addSubview(wheel_);
    setStyle(style_);
    setHidden(true);
}

void ActivityIndicator::init(ActivityIndicatorStyle style) {
    style_ = style;
    double side = sideOf(style);
    init(Rect{0, 0, side, side});
}

void ActivityIndicator::setStyle(ActivityIndicatorStyle style) {
    style_ = style;
    double side = sideOf(style);
    Point c = center();
    setFrame({c.x - side / 2, c.y - side / 2, side, side});
    wheel_->setImage(wheelImage(style));
    layoutSubviews();
}

void ActivityIndicator::layoutSubviews() {
    if (!wheel_) return;
    double side = sideOf(style_);
    wheel_->setFrame({0, 0, side, side});
    wheel_->setCenter(bounds().mid());
}

Size ActivityIndicator::sizeThatFits(Size) const {
    double side = sideOf(style_);
    return {side, side};
}

void ActivityIndicator::setHidesWhenStopped(bool on) {
    hidesWhenStopped_ = on;
    if (!animating_) setHidden(on);
}

void ActivityIndicator::startAnimating() {
    if (animating_) return;
    animating_ = true;
    setHidden(false);
    ++run_;
    turn();
}

void ActivityIndicator::stopAnimating() {
    if (!animating_) return;
    animating_ = false;
    ++run_;
    wheel_->setTransform(AffineTransform::rotation(step_ * 2 * std::numbers::pi / 3));  // stops where it is
    if (hidesWhenStopped_) setHidden(true);
}

void ActivityIndicator::turn() {
    step_ = (step_ + 1) % 3;
    unsigned run = run_;
    std::weak_ptr<ActivityIndicator> weak = sharedAs<ActivityIndicator>();
    Animation::begin();
    Animation::setDuration(kTurnStep);
    Animation::setCurve(AnimationCurve::Linear);
    Animation::setCompletion([weak, run](bool) {
        auto self = weak.lock();
        if (self && self->animating_ && self->run_ == run) self->turn();
    });
    wheel_->setTransform(AffineTransform::rotation(step_ * 2 * std::numbers::pi / 3));
    Animation::commit();
}

void ActivityIndicator::applyNibProperties(ActivityIndicator& indicator, NibProperties& p) {
    static constexpr std::array<std::pair<ActivityIndicatorStyle, const char*>, 3> kStyles{{
        {ActivityIndicatorStyle::WhiteLarge, "whiteLarge"},
        {ActivityIndicatorStyle::White, "white"},
        {ActivityIndicatorStyle::Gray, "gray"},
    }};
    if (auto v = p.choice("style", kStyles)) indicator.setStyle(*v);
    if (auto v = p.boolean("hidesWhenStopped")) indicator.setHidesWhenStopped(*v);
    if (auto v = p.boolean("animating"); v && *v) indicator.startAnimating();
}

}  // namespace ui
