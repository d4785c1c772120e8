#include "platform/ui/View.h"

#include <algorithm>
#include <atomic>
#include <cmath>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/ui/ChangeLog.h"
#include "platform/ui/EditMenu.h"

namespace ui {

namespace {

std::atomic<std::uint64_t> nextElementId{1};

bool finite(double v) { return std::isfinite(v); }
bool finite(Point p) { return finite(p.x) && finite(p.y); }
bool finite(Size s) { return finite(s.width) && finite(s.height); }
bool finite(const AffineTransform& t) {
    return finite(t.a) && finite(t.b) && finite(t.c) && finite(t.d) && finite(t.tx) && finite(t.ty);
}

double now() { return fnd::RunLoop::main().now(); }

unsigned bit(AnimatedProperty p) { return 1u << static_cast<unsigned>(p); }

// One axis of the springs and struts: the superview's change of length is shared among the
// flexible parts (leading margin, length, trailing margin) in proportion to their present lengths,
// equally when those are all zero.
void resizeAxis(double& position, double& length, double oldSuper, double newSuper, bool flexLead,
                bool flexLength, bool flexTrail) {
    double delta = newSuper - oldSuper;
    int count = int(flexLead) + int(flexLength) + int(flexTrail);
    if (delta == 0 || count == 0) return;
    double lead = position, trail = oldSuper - position - length;
    double total = (flexLead ? lead : 0) + (flexLength ? length : 0) + (flexTrail ? trail : 0);
    auto share = [&](double part) { return total != 0 ? delta * part / total : delta / count; };
    double leadShare = flexLead ? share(lead) : 0;
    double lengthShare = flexLength ? share(length) : 0;
    position += leadShare;
    length += lengthShare;
}

}  // namespace

View::View() : id_(nextElementId++) {}

View::~View() {
    for (auto& sub : subviews_) sub->superview_ = nullptr;
}

void View::init(const Rect& frame) { setFrame(frame); }

std::shared_ptr<View> View::superview() const { return superview_ ? superview_->sharedAs<View>() : nullptr; }

// ---- Properties

template <class T>
void View::assign(AnimatedProperty property, T& field, const T& value) {
    std::shared_ptr<Animation> block = Animation::current();
    std::shared_ptr<PropertyAnimation>& slot = animation(property);
    if (block) {
        if (slot && slot->animation == block) {
            slot->to = value;
        } else {
            double t = now();
            AnimatedValue from = presented(property, t);
            if (slot && !slot->isFinishedAt(t)) slot->animation->interrupt();
            slot = std::make_shared<PropertyAnimation>(PropertyAnimation{property, from, value, block});
            if (auto self = sharedAs<View>()) block->addView(self);
        }
    } else if (slot) {
        if (!slot->isFinishedAt(now())) slot->animation->interrupt();
        if (slot->sent) forced_ |= bit(property);
        slot.reset();
    } else if (field == value) {
        return;
    }
    field = value;
    changed();
}

AnimatedValue View::modelValue(AnimatedProperty property) const {
    switch (property) {
        case AnimatedProperty::Center:
            return center_;
        case AnimatedProperty::Size:
            return size_;
        case AnimatedProperty::Origin:
            return origin_;
        case AnimatedProperty::Transform:
            return transform_;
        case AnimatedProperty::Alpha:
            return alpha_;
        case AnimatedProperty::Background:
            return background_;
    }
    return alpha_;
}

AnimatedValue View::presented(AnimatedProperty property, double time) const {
    const auto& slot = animation(property);
    return slot ? slot->valueAt(time) : modelValue(property);
}

void View::forgetAnimation(const Animation* finished) {
    for (auto& slot : animations_)
        if (slot && slot->animation.get() == finished) slot.reset();
}

Rect View::frame() const {
    Rect local{-size_.width / 2, -size_.height / 2, size_.width, size_.height};
    if (transform_.isIdentity()) return local.offsetBy(center_.x, center_.y);
    return transform_.apply(local).offsetBy(center_.x, center_.y);
}

void View::setFrame(const Rect& frame) {
    if (!finite(frame.origin) || !finite(frame.size)) {
        fnd::Log::warning("view: frame with a non-finite value ignored");
        return;
    }
    Rect r = frame.standardized();
    setCenter(r.mid());
    setSize(r.size);
}

void View::setBounds(const Rect& bounds) {
    if (!finite(bounds.origin) || !finite(bounds.size)) {
        fnd::Log::warning("view: bounds with a non-finite value ignored");
        return;
    }
    assign(AnimatedProperty::Origin, origin_, bounds.origin);
    setSize({std::abs(bounds.size.width), std::abs(bounds.size.height)});
}

void View::setSize(Size size) {
    Size old = size_;
    assign(AnimatedProperty::Size, size_, size);
    if (old == size_) return;
    boundsSizeChanged();
    if (autoresizesSubviews_)
        for (auto& sub : subviews_) sub->autoresize(old, size_);
    layoutSubviews();
}

void View::autoresize(Size oldSuper, Size newSuper) {
    unsigned m = autoresizingMask_;
    if (m == AutoresizingNone) return;
    // The view's own rectangle about its centre, without its transform: a transformed frame
    // written back as a size would grow or shrink the view at every change of the superview.
    Rect f{center_.x - size_.width / 2, center_.y - size_.height / 2, size_.width, size_.height};
    resizeAxis(f.origin.x, f.size.width, oldSuper.width, newSuper.width, m & FlexibleLeftMargin,
               m & FlexibleWidth, m & FlexibleRightMargin);
    resizeAxis(f.origin.y, f.size.height, oldSuper.height, newSuper.height, m & FlexibleTopMargin,
               m & FlexibleHeight, m & FlexibleBottomMargin);
    setFrame(f);
}

void View::setCenter(Point center) {
    if (!finite(center)) return;
    assign(AnimatedProperty::Center, center_, center);
}

void View::setTransform(const AffineTransform& transform) {
    if (!finite(transform)) return;
    assign(AnimatedProperty::Transform, transform_, transform);
}

void View::setAlpha(double alpha) {
    if (!finite(alpha)) return;
    assign(AnimatedProperty::Alpha, alpha_, std::clamp(alpha, 0.0, 1.0));
}

void View::setBackgroundColor(const Color& color) {
    assign(AnimatedProperty::Background, background_, color);
}

void View::setHidden(bool hidden) {
    if (update(hidden_, hidden)) changed();
}

void View::setTag(int tag) {
    if (update(tag_, tag)) changed();
}

namespace {
// Sets an image field; an equal image made again is no change. Answers whether it changed.
bool updateImage(std::shared_ptr<const Image>& field, std::shared_ptr<const Image> image) {
    if (image == field || (image && field && *image == *field)) return false;
    field = std::move(image);
    return true;
}
}  // namespace

void View::setBackgroundPattern(std::shared_ptr<const Image> image) {
    if (updateImage(backgroundPattern_, std::move(image))) changed();
}

void View::setBackgroundImage(std::shared_ptr<const Image> image) {
    if (updateImage(backgroundImage_, std::move(image))) changed();
}

void View::setImageAdjustment(ImageAdjustment adjustment) {
    if (update(imageAdjustment_, adjustment)) changed();
}

void View::setBorderWidth(double width) {
    if (finite(width) && update(borderWidth_, std::max(0.0, width))) changed();
}

void View::setBorderColor(const Color& color) {
    if (update(borderColor_, color)) changed();
}

void View::setCornerRadius(double radius) {
    if (finite(radius) && update(cornerRadius_, std::max(0.0, radius))) changed();
}

void View::setClipsToBounds(bool clips) {
    if (update(clips_, clips)) changed();
}

void View::setUserInteractionEnabled(bool enabled) {
    if (!update(interactive_, enabled)) return;
    changed();
    // Switching it off ends a text selection in the view, as a person's tap elsewhere would.
    if (!enabled) EditMenu::shared().userInteractionDisabled(*this);
}

Size View::sizeThatFits(Size) const { return size_; }

void View::sizeToFit() {
    Size fitted = sizeThatFits(size_);
    Rect f = frame();
    setFrame({f.origin, fitted});
}

void View::setNeedsDisplay() {
    needsDisplay_ = true;
    changed();
}

void View::drawRect(const Rect&) {}

void View::changed() { ChangeLog::noteChange(*this); }

void View::resend(const char* property) {
    resent_.push_back(property);
    changed();
}

// ---- The tree

void View::insertSubview(const std::shared_ptr<View>& view, std::size_t index) {
    if (!view || isDescendantOf(view.get())) {
        fnd::Log::warning("view: a view cannot be added to itself or to one of its descendants");
        return;
    }
    std::shared_ptr<View> keep = view;
    if (view->superview_) {
        auto& siblings = view->superview_->subviews_;
        auto at = std::find(siblings.begin(), siblings.end(), view);
        if (view->superview_ == this && at != siblings.end() && std::size_t(at - siblings.begin()) < index)
            --index;
        view->superview_->detach(view.get());
    }
    index = std::min(index, subviews_.size());
    subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), keep);
    keep->superview_ = this;
    subviewsChanged();
}

void View::addSubview(const std::shared_ptr<View>& view) { insertSubview(view, subviews_.size()); }

void View::insertSubviewAbove(const std::shared_ptr<View>& view, const View* sibling) {
    auto at = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == sibling; });
    if (at == subviews_.end() || !view || view.get() == sibling) return addSubview(view);
    insertSubview(view, std::size_t(at - subviews_.begin()) + 1);
}

void View::insertSubviewBelow(const std::shared_ptr<View>& view, const View* sibling) {
    auto at = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == sibling; });
    if (at == subviews_.end() || !view || view.get() == sibling) return addSubview(view);
    insertSubview(view, std::size_t(at - subviews_.begin()));
}

void View::exchangeSubviews(std::size_t first, std::size_t second) {
    if (first >= subviews_.size() || second >= subviews_.size() || first == second) return;
    std::swap(subviews_[first], subviews_[second]);
    subviewsChanged();
}

void View::bringSubviewToFront(const View* view) {
    auto at = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (at == subviews_.end() || at + 1 == subviews_.end()) return;
    std::rotate(at, at + 1, subviews_.end());
    subviewsChanged();
}

void View::sendSubviewToBack(const View* view) {
    auto at = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (at == subviews_.end() || at == subviews_.begin()) return;
    std::rotate(subviews_.begin(), at, at + 1);
    subviewsChanged();
}

void View::removeFromSuperview() {
    if (!superview_) return;
    std::shared_ptr<View> keep = sharedAs<View>();  // the superview may hold the last reference
    // An input that leaves the screen stops being edited, whatever its delegate would say.
    if (std::shared_ptr<Responder> first = firstResponder()) {
        auto* view = dynamic_cast<View*>(first.get());
        if (view && view->isDescendantOf(this)) first->relinquishFirstResponder();
        if (!superview_) return;  // the input's delegate took it away already
    }
    superview_->detach(this);
}

void View::detach(const View* view) {
    auto at = std::find_if(subviews_.begin(), subviews_.end(), [&](auto& s) { return s.get() == view; });
    if (at == subviews_.end()) return;
    std::shared_ptr<View> keep = *at;
    subviews_.erase(at);
    keep->superview_ = nullptr;
    subviewsChanged();
}

void View::subviewsChanged() {
    subviewsChanged_ = true;
    changed();
}

bool View::isDescendantOf(const View* view) const {
    for (const View* v = this; v; v = v->superview_)
        if (v == view) return true;
    return false;
}

std::shared_ptr<View> View::viewWithTag(int tag) {
    if (tag_ == tag) return sharedAs<View>();
    for (auto& sub : subviews_)
        if (auto found = sub->viewWithTag(tag)) return found;
    return nullptr;
}

const View* View::topmost() const {
    const View* v = this;
    while (v->superview_) v = v->superview_;
    return v;
}

// ---- Coordinates

Point View::toSuperview(Point p) const {
    Point fromCentre = p - Point{origin_.x + size_.width / 2, origin_.y + size_.height / 2};
    return center_ + transform_.apply(fromCentre);
}

Point View::fromSuperview(Point p) const {
    Point fromCentre = transform_.inverted().apply(p - center_);
    return fromCentre + Point{origin_.x + size_.width / 2, origin_.y + size_.height / 2};
}

Point View::convertTo(Point point, const View* view) const {
    const View* v = this;
    // Up to the common ancestor (or this tree's root), then down to the view.
    while (v->superview_ && !(view && view->isDescendantOf(v))) {
        point = v->toSuperview(point);
        v = v->superview_;
    }
    if (!view || view == v) return point;
    std::vector<const View*> chain;
    for (const View* w = view; w && w != v; w = w->superview_) chain.push_back(w);
    if (!view->isDescendantOf(v)) {
        // Different trees: `point` is in this tree's root coordinates; the view's root takes them as its own.
        chain.pop_back();
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) point = (*it)->fromSuperview(point);
    return point;
}

Point View::convertFrom(Point point, const View* view) const {
    if (view) return view->convertTo(point, this);
    return topmost()->convertTo(point, this);
}

namespace {
template <class F>
Rect convertCorners(const Rect& rect, F convert) {
    Rect r = rect.standardized();
    Point a = convert(r.origin), b = convert(Point{r.maxX(), r.minY()}),
          c = convert(Point{r.minX(), r.maxY()}), d = convert(Point{r.maxX(), r.maxY()});
    double x0 = std::min({a.x, b.x, c.x, d.x}), x1 = std::max({a.x, b.x, c.x, d.x});
    double y0 = std::min({a.y, b.y, c.y, d.y}), y1 = std::max({a.y, b.y, c.y, d.y});
    return {x0, y0, x1 - x0, y1 - y0};
}
}  // namespace

Rect View::convertTo(const Rect& rect, const View* view) const {
    return convertCorners(rect, [&](Point p) { return convertTo(p, view); });
}

Rect View::convertFrom(const Rect& rect, const View* view) const {
    return convertCorners(rect, [&](Point p) { return convertFrom(p, view); });
}

// ---- Touches

std::shared_ptr<View> View::hitTest(Point point) {
    if (hidden_ || !interactive_ || alpha_ < 0.01 || !pointInside(point)) return nullptr;
    for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
        std::shared_ptr<View> sub = *it;  // a hit test may change the tree
        if (auto hit = sub->hitTest(sub->fromSuperview(point))) return hit;
    }
    return sharedAs<View>();
}

bool View::pointInside(Point point) const { return bounds().contains(point); }

std::shared_ptr<Responder> View::nextResponder() const {
    if (auto controller = controller_.lock()) return controller;
    return superview();
}

// ---- Presentation

Point View::presentedCenter(double time) const {
    return std::get<Point>(presented(AnimatedProperty::Center, time));
}
Size View::presentedSize(double time) const {
    return std::get<Size>(presented(AnimatedProperty::Size, time));
}
Point View::presentedOrigin(double time) const {
    return std::get<Point>(presented(AnimatedProperty::Origin, time));
}
AffineTransform View::presentedTransform(double time) const {
    return std::get<AffineTransform>(presented(AnimatedProperty::Transform, time));
}
double View::presentedAlpha(double time) const {
    return std::get<double>(presented(AnimatedProperty::Alpha, time));
}
Color View::presentedBackgroundColor(double time) const {
    return std::get<Color>(presented(AnimatedProperty::Background, time));
}

Rect View::presentedFrame(double time) const {
    Size s = presentedSize(time);
    Point c = presentedCenter(time);
    return presentedTransform(time)
        .apply(Rect{-s.width / 2, -s.height / 2, s.width, s.height})
        .offsetBy(c.x, c.y);
}

// ---- The change log

void View::describe(PrimitiveProperties& p) const {
    p.emplace_back("center", center_);
    p.emplace_back("size", size_);
    p.emplace_back("origin", origin_);
    p.emplace_back("transform", transform_);
    p.emplace_back("alpha", alpha_);
    p.emplace_back("hidden", hidden_);
    p.emplace_back("tag", tag_);
    p.emplace_back("background", background_);
    p.emplace_back("backgroundPattern",
                   backgroundPattern_ ? PrimitiveValue(backgroundPattern_) : PrimitiveValue());
    p.emplace_back("backgroundImage", backgroundImage_ ? PrimitiveValue(backgroundImage_) : PrimitiveValue());
    static constexpr const char* kAdjustments[] = {"none", "darker", "paler"};
    p.emplace_back("imageAdjust", kAdjustments[static_cast<std::size_t>(imageAdjustment_)]);
    p.emplace_back("borderWidth", borderWidth_);
    p.emplace_back("borderColor", borderColor_);
    p.emplace_back("cornerRadius", cornerRadius_);
    p.emplace_back("clips", clips_);
    p.emplace_back("interactive", interactive_);
}

}  // namespace ui
