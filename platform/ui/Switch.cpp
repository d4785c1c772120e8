#include "platform/ui/Switch.h"

#include <cmath>

#include "platform/ui/Animation.h"
#include "platform/ui/Make.h"
#include "platform/ui/NibProperties.h"

namespace ui {

namespace {
constexpr double kDragToSlide = 10;  // a finger that moves this far slides the thumb rather than taps
}

void Switch::init(const Rect& frame) {
    Control::init(Rect{frame.origin, {kWidth, kHeight}});
    setClipsToBounds(true);
    setCornerRadius(kHeight / 2);
    setBorderWidth(1);
    setBorderColor(Color::white(0.6));
    track_ = make<View>(Rect{0, 0, kWidth, kHeight});
    onLabel_ = make<Label>();
    offLabel_ = make<Label>();
    for (auto& [label, text] : {std::pair{onLabel_, "ON"}, std::pair{offLabel_, "OFF"}}) {
        label->setText(text);
        label->setFont(Font::boldSystem(15));
        label->setTextAlignment(TextAlignment::Center);
        label->setBackgroundColor(Color::clear());
        track_->addSubview(label);
    }
    onLabel_->setTextColor(Color::whiteColor());
    offLabel_->setTextColor(Color::white(0.45));
    thumb_ = make<View>(Rect{0, 0, kHeight, kHeight});
    thumb_->setCornerRadius(kHeight / 2);
    thumb_->setBackgroundColor(Color::white(0.97));
    thumb_->setBorderWidth(1);
    thumb_->setBorderColor(Color::white(0.6));
    thumb_->setUserInteractionEnabled(false);
    track_->setUserInteractionEnabled(false);
    addSubview(track_);
    addSubview(thumb_);
    layoutSubviews();
    show();
}

void Switch::layoutSubviews() {
    if (!thumb_) return;
    // The size is fixed: a frame set later keeps its centre and takes the switch's own size back.
    if (bounds().size != Size{kWidth, kHeight}) {
        Point c = center();
        setFrame({c.x - kWidth / 2, c.y - kHeight / 2, kWidth, kHeight});
        return;
    }
    onLabel_->setFrame({0, 0, kWidth - kHeight, kHeight});
    offLabel_->setFrame({kHeight, 0, kWidth - kHeight, kHeight});
}

void Switch::setOn(bool on, bool animated) {
    if (on == on_) return;
    on_ = on;
    if (animated) {
        Animation::begin();
        Animation::setDuration(0.2);
        show();
        Animation::commit();
    } else {
        show();
    }
}

void Switch::setOnTintColor(const Color& color) {
    tint_ = color;
    show();
}

void Switch::show() {
    if (!thumb_) return;
    thumb_->setCenter({on_ ? kWidth - kHeight / 2 : kHeight / 2, kHeight / 2});
    setBackgroundColor(on_ ? tint_ : Color::whiteColor());
    onLabel_->setAlpha(on_ ? 1 : 0);
    offLabel_->setAlpha(on_ ? 0 : 1);
}

bool Switch::beginTracking(Point p) {
    trackStartX_ = p.x;
    return true;
}

void Switch::endTracking(Point p, bool inside) {
    bool slid = std::abs(p.x - trackStartX_) >= kDragToSlide;
    bool value = slid ? p.x > kWidth / 2 : (inside ? !on_ : on_);
    if (value == on_) return;
    setOn(value, true);
    sendActionsForControlEvents(ControlEventValueChanged);
}

void Switch::applyNibProperties(Switch& control, NibProperties& p) {
    if (auto v = p.boolean("on")) control.setOn(*v);
    if (auto v = p.color("onTintColor")) control.setOnTintColor(*v);
}

}  // namespace ui
